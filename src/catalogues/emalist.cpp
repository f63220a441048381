// Automatic-station list (to be written).

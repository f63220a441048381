// Sounding station catalogue (to be written).

// Tests of the emalist (to be written).

// Tests of the soundingcatalogue (to be written).

// Tests of the airportcatalogue (to be written).

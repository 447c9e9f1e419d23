// Stands in for the database's runwayMapModel.
MapModelStub {
    stubName: "runwayMapModel"
}

// Stands in for the database's boundaryMapModel.
MapModelStub {
    stubName: "boundaryMapModel"
}

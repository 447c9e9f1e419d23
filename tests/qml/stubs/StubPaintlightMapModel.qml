// Stands in for the database's paintlightMapModel.
MapModelStub {
    stubName: "paintlightMapModel"
}

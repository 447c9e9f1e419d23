// Stands in for the database's pointMapModel.
MapModelStub {
    stubName: "pointMapModel"
}

// Stands in for the database's taxinameMapModel.
MapModelStub {
    stubName: "taxinameMapModel"
}

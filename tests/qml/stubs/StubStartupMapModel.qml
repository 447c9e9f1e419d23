// Stands in for the database's startupMapModel.
MapModelStub {
    stubName: "startupMapModel"
}

// Stands in for the database's taxiwayMapModel.
MapModelStub {
    stubName: "taxiwayMapModel"
}

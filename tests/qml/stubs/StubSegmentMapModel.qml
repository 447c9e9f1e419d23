// Stands in for the database's segmentMapModel.
MapModelStub {
    stubName: "segmentMapModel"
}

#include "core/views/entrylist/EntryListGeometry.h"

EntryListGeometry EntryListGeometry::compute(int textHeight, int clientBottom) {
    EntryListGeometry geometry;
    geometry.rowHeight = textHeight + 2;
    geometry.firstRowY = kGridTop + 2 * geometry.rowHeight - 1;
    geometry.rowsPerPage = (clientBottom - geometry.firstRowY - 2) / geometry.rowHeight;
    geometry.gridBottom = geometry.firstRowY + geometry.rowsPerPage * geometry.rowHeight;
    return geometry;
}

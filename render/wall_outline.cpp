#include "render/centre_offsets.h"
#include "render/projected_wall.h"
#include "render/truncate.h"

namespace {

void DrawLine(HDC surface, float column1, float row1, float column2, float row2) {
    MoveToEx(surface, CentreColumnPlus(TruncateToInt32(column1)),
             CentreRowMinus(TruncateToInt32(row1)), NULL);
    LineTo(surface, CentreColumnPlus(TruncateToInt32(column2)),
           CentreRowMinus(TruncateToInt32(row2)));
}

}  // namespace

// A crossing wall starts each line from the bottom instead of the top.
void DrawWallOutline(HDC surface, const ProjectedWall& wall) {
    const ProjectedEnd& e1 = wall.end1;
    const ProjectedEnd& e2 = wall.end2;
    const float first1 = wall.crossing ? e1.bottom : e1.top;
    const float second1 = wall.crossing ? e1.top : e1.bottom;
    const float first2 = wall.crossing ? e2.bottom : e2.top;
    const float second2 = wall.crossing ? e2.top : e2.bottom;
    DrawLine(surface, e1.x, first1, e2.x, first2);
    DrawLine(surface, e1.x, second1, e2.x, second2);
    DrawLine(surface, e1.x, first1, e1.x, second1);
    DrawLine(surface, e2.x, first2, e2.x, second2);
}

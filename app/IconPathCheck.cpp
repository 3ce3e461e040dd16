#include "app/IconPathCheck.h"

int CheckIconFilePath(CString path) {
    if (path.Mid(1, 2) != ":\\") return 1;
    if (path.Right(4) != ".ico") return 1;
    return 0;
}

// The release, as the about box and the registry stamp name it. Plain
// defines: the resource compiler reads this file too.
#pragma once

#define GLYPHER_VERSION_TEXT "1.01"

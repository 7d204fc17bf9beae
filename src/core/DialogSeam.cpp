#include "DialogSeam.h"

#include <cassert>

namespace {
DialogSeam* installedSeam = nullptr;
}

DialogSeam& Dialogs() {
    assert(installedSeam && "no dialog seam installed");
    return *installedSeam;
}

void InstallDialogs(DialogSeam* seam) {
    installedSeam = seam;
}

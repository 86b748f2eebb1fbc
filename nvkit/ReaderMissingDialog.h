#pragma once

#include "afx/ui/CDialog.h"

namespace nvkit {

// Dialog 2003: no Acrobat Reader found; its one button ends the dialog.
class ReaderMissingDialog : public afx::CDialog {
public:
    ReaderMissingDialog();
    // What the dialog says, for a caller that cannot be shown it.
    static CString Text();
};

} // namespace nvkit

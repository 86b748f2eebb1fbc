#pragma once

#include "afx/ui/CommandIds.h"
#include "afx/ui/DialogTemplate.h"

namespace form {

// Dialog template 101, the question form, control by control in tab order.
const afx::DialogTemplate& QuilloFormTemplate();

} // namespace form

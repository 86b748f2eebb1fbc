#pragma once
// Orca 48 reads the keyboard on its own, beside the program, and may handle
// the key that opened a dialog only once the dialog is up. It then takes the
// dialog's focused control as its focus without a word, and keeps quiet when
// the control's own focus event comes, so the user never hears where the
// focus is. With a screen reader listening, a dialog is shown only after a
// moment in which the program answers the reader's questions about the
// window the key was pressed in; keys pressed meanwhile wait, none is lost.

namespace afx {

void LetScreenReaderFinishTheKey();

} // namespace afx

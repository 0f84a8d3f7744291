#pragma once
// The search box: a one-line edit showing the system's cue text while it is
// empty, focused or not. In a box with text, Escape empties it (in an empty
// box it ends the dialog, as anywhere else) and Enter moves on to the next
// control, as Tab does; in an empty one Enter presses the default button.
#include <CorvelControls.h>

class CSearchBox : public CorvelEdit
{
public:
    void SetCueText(const CString& strText);
    CString Text() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// TActionForm (unit ActionUnit): the action dialog of the class view, a
// sizeable tool window that shows the actions (shell verbs) of one file class
// on Panel1, above the button row.
#pragma once

#include "dialogs/ClassToolForm.h"

class TActionForm : public TClassToolForm {
public:
    explicit TActionForm(const std::string& settingsPath);

    // An empty name shows nothing but the button row ("no fileclass
    // selected"); so does a name without a key of its own ("<name> is not
    // registered to the system.").
    void SetFileClass(const std::string& className) override;

    // The class's actions: filled by SetFileClass for a registered class.
    TPanel Panel1{TBevelCut::None};

private:
    void Panel2Resize();
};

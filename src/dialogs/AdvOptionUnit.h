// TAdvOptionForm (unit AdvOptionUnit): the flags dialog of the class view, a
// fixed tool window that shows the "EditFlags" of one file class in the
// group box gbExtOptions, above the button row.
#pragma once

#include "dialogs/ClassToolForm.h"

class TAdvOptionForm : public TClassToolForm {
public:
    explicit TAdvOptionForm(const std::string& settingsPath);

    // An empty name shows nothing but the button row ("no fileclass selected").
    void SetFileClass(const std::string& className) override;

    // The class's flags: filled by SetFileClass.
    TGroupBox gbExtOptions;

private:
    void btnHelpClick();
};

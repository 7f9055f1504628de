// TCommands: profiles for other machines, written out and applied.
#include "commands/Commands.h"

#include "association/RegistryWriter.h"
#include "support/WholeFile.h"

std::string ApplyProfileQuestion(const std::string& file, size_t changes) {
    return "Are you sure to apply the profile '" + file + "'?\r\n" + std::to_string(changes) +
           (changes == 1 ? " change" : " changes") + " will be made as one step, which Undo "
           "takes back.";
}

void TCommands::WriteExport(TExportFormat format, const std::string& path,
                            const std::vector<std::string>& names) {
    const std::string bytes = ExportBytes(format, SelectForExport(names, *index_));
    if (!ReplaceWholeFile(path, bytes))
        throw Exception("The export could not be written to " + path + ".");
}

TChange TCommands::ApplyProfile(const TProfile& profile, const TPlan& plan) {
    const size_t changes = plan.ChosenChanges();
    if (changes == 0 || !CanModify())
        return TChange();
    TQuestion question;
    question.Text = ApplyProfileQuestion(profile.File, changes);
    if (questions_.Ask(question) != TAnswer::Yes)
        return TChange();
    TChange change;
    {
        auto writer = Writer("Apply profile '" + profile.File + "'");
        for (const TPlanItem& item : plan.Items)
            if (item.Chosen)
                ApplyPlanItem(*writer, profile, item);
        change = Finish(*writer, change);
    }
    Rescan();
    return change;
}

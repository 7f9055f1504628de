// TCommands: the repairs of what the check of the associations found.
#include "commands/Commands.h"

#include "association/ClassRepairs.h"
#include "association/CommandProgram.h"
#include "association/DataType.h"
#include "association/ExplorerChoice.h"
#include "association/OpensWith.h"
#include "association/RegistryWriter.h"
#include "commands/RecordText.h"

namespace {

// Findings listed by name in a question about several.
const size_t kListedFindings = 10;

// The command line with its program path in quotes.
std::string QuotedCommand(const std::string& command) {
    TFileLookup files;
    const TCommandProgram program = FindCommandProgram(command, files);
    if (program.None || program.Quoted)
        return command;
    return command.substr(0, program.Begin) + "\"" +
           command.substr(program.Begin, program.End - program.Begin) + "\"" +
           command.substr(program.End);
}

} // namespace

bool RepairedByCommand(TFindingKind kind) {
    switch (kind) {
    case TFindingKind::MissingClass:
    case TFindingKind::EmptyExtension:
    case TFindingKind::UnquotedPath:
    case TFindingKind::MissingCurVer:
    case TFindingKind::UserChoice:
    case TFindingKind::StaleOpenWith:
    case TFindingKind::MissingApplication:
        return true;
    default:
        return false;
    }
}

std::string RepairQuestion(const std::vector<TFinding>& findings) {
    if (findings.size() != 1) {
        std::string question =
            "Are you sure to repair these " + std::to_string(findings.size()) + " findings?";
        for (size_t i = 0; i < findings.size() && i < kListedFindings; ++i)
            question +=
                std::string("\r\n") + FindingKindName(findings[i].Kind) + ": " + findings[i].Name;
        if (findings.size() > kListedFindings)
            question += "\r\n...";
        return question;
    }
    const TFinding& f = findings[0];
    switch (f.Kind) {
    case TFindingKind::MissingClass:
        return DissociateQuestion(f.Name, f.Text);
    case TFindingKind::EmptyExtension:
        return "Are you sure to delete '" + f.Name + "'?";
    case TFindingKind::UnquotedPath:
        return "Are you sure to put the program path of the action '" + f.Verb + "' of '" + f.Name +
               "' in quotes?\r\nNew command: " + QuotedCommand(f.Text);
    case TFindingKind::MissingCurVer:
        return "Are you sure to remove the CurVer '" + f.Text + "' of '" + f.Name + "'?";
    case TFindingKind::StaleOpenWith:
        return "Are you sure to remove '" + f.Text + "' from the 'Open with' lists of '" + f.Name +
               "'?";
    case TFindingKind::MissingApplication:
        return "Are you sure to delete '" + f.Name + "', whose program is not there?";
    default:
        return "Are you sure to remove the Explorer's own choice '" + f.Text + "' for '" + f.Name +
               "'?";
    }
}

std::string RepairStepName(const std::vector<TFinding>& findings) {
    if (findings.size() == 1)
        return std::string("Repair ") + FindingKindName(findings[0].Kind) + " of '" +
               findings[0].Name + "'";
    return "Repair " + std::to_string(findings.size()) + " findings";
}

TChange TCommands::Repair(const std::vector<TFinding>& findings) {
    std::vector<TFinding> todo;
    for (const TFinding& finding : findings)
        if (RepairedByCommand(finding.Kind) && FindingHolds(finding))
            todo.push_back(finding);
    if (todo.empty() || !CanModify() || !Confirm(RepairQuestion(todo)))
        return TChange();
    auto writer = Writer(RepairStepName(todo));
    for (const TFinding& f : todo) {
        switch (f.Kind) {
        case TFindingKind::MissingClass:
            DissociateExtension(*writer, f.Name);
            Refile(f.Name, f.Text);
            break;
        case TFindingKind::EmptyExtension:
            ::DeleteExtension(*writer, f.Name);
            Refile(f.Name, std::string());
            break;
        case TFindingKind::UnquotedPath:
            RewriteActionCommand(*writer, f.Name, f.Verb, QuotedCommand(f.Text));
            break;
        case TFindingKind::MissingCurVer:
            DeleteCurVer(*writer, f.Name);
            break;
        case TFindingKind::StaleOpenWith:
            RemoveOpenWithEntry(*writer, f.Name, f.Text);
            break;
        case TFindingKind::MissingApplication:
            DeleteClassesKey(*writer, f.Name);
            break;
        default:
            RemoveExplorerChoice(*writer, f.Name);
            break;
        }
    }
    TChange change;
    if (todo.size() == 1) {
        if (FindingAboutExtension(todo[0].Kind))
            change.Extension = todo[0].Name;
        else if (todo[0].Kind != TFindingKind::MissingApplication)
            change.FileClass = todo[0].Name;
    }
    return Finish(*writer, change);
}

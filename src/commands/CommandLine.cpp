#include "commands/CommandLine.h"

#include "association/DataType.h"
#include "commands/Commands.h"
#include "commands/ConsoleQuestions.h"
#include "commands/RecordText.h"
#include "support/CommandTail.h"
#include "support/TextCompare.h"

#include <cctype>
#include <cstring>
#include <functional>
#include <map>

namespace {

// One command of the command line: its option, the number of its operands
// (and of the optional ones after them), and whether it changes the
// registry (and so passes the gate).
struct TCommandSyntax {
    const char* option;
    int operands;
    bool changes;
    int optional = 0;
};

const TCommandSyntax kCommands[] = {
    {"--list", 1, false},       {"--show", 1, false},          {"--assoc", 2, true},
    {"--dissoc", 1, true},      {"--delete-ext", 1, true},     {"--delete-class", 1, true},
    {"--undo", 0, true},        {"--export-backup", 1, false}, {"--check", 0, false},
    {"--repair", 1, true, 1},   {"--set-command", 3, true},    {"--add-verb", 3, true},
    {"--delete-verb", 2, true}, {"--default-verb", 2, true},   {"--set-flags", 2, true},
    {"--reset-choice", 1, true}, {"--new-menu", 2, true},      {"--open-with", 3, true},
    {"--export", 2, false, 1 << 20}, {"--apply", 1, true},
};

// Commands with an operand that is one of two words: its place and the words.
struct TWordOperand {
    const char* option;
    size_t operand;
    const char* first;
    const char* second;
};
const TWordOperand kWordOperands[] = {
    {"--list", 0, "extensions", "classes"},
    {"--new-menu", 1, "on", "off"},
    {"--open-with", 1, "add", "remove"},
};

// An argument that is a flag or a command rather than an operand.
bool IsOption(const std::string& arg) {
    return arg.compare(0, 2, "--") == 0 || arg == "/?" || arg == "-h";
}

// The parsed command line.
struct TArguments {
    const TCommandSyntax* command = nullptr;
    std::vector<std::string> operands;
    bool yes = false;
    bool keep = false;
    bool noUndo = false;
    bool force = false; // --assoc to a class that isn't registered
    bool dryRun = false;      // --apply: the plan only
    bool skipMissing = false; // --apply: entries of classes not registered are no failure
    bool help = false;
    uint32_t flags = 0; // --set-flags
    bool hasCaption = false;
    std::string caption;
    std::string scope; // --scope: "user", "machine" or empty (the settings')
};

class EUsage : public Exception {
public:
    using Exception::Exception;
};

std::string RepairableKinds() {
    std::string kinds;
    for (int i = 0; i < FindingKindCount; ++i)
        if (RepairedByCommand(static_cast<TFindingKind>(i)))
            kinds += (kinds.empty() ? "" : ", ") + std::string(FindingKindName(TFindingKind(i)));
    return kinds;
}

// --check: the findings, one line each; 1 when there are any.
int RunCheck(TTextWriter& out) {
    const TCheckResult result = CheckAssociations();
    for (const TFinding& finding : result.Findings)
        out << FindingLine(finding) << "\n";
    return result.Findings.empty() ? ecDone : ecProblemsFound;
}

// --repair KIND [NAME]: the findings of that kind (of that name), repaired as
// one change. None of the kind is nothing to do; a named one not found fails.
int RunRepair(const TArguments& a, TCommands& commands, TTextWriter& out, TTextWriter& err) {
    TFindingKind kind = TFindingKind::MissingClass;
    FindingKindOfName(a.operands[0], kind);
    std::vector<TFinding> chosen;
    for (const TFinding& finding : CheckAssociations().Findings)
        if (finding.Kind == kind &&
            (a.operands.size() < 2 || SameText(finding.Name, a.operands[1])))
            chosen.push_back(finding);
    if (chosen.empty()) {
        err << "There is no finding of the kind '" << a.operands[0] << "'"
            << (a.operands.size() < 2 ? std::string() : " for '" + a.operands[1] + "'")
            << " to repair.\n";
        return a.operands.size() < 2 ? ecDone : ecFailed;
    }
    const TChange change = commands.Repair(chosen);
    if (change.Done)
        out << "Repaired: " << chosen.size() << (chosen.size() == 1 ? " finding" : " findings")
            << "\n";
    if (change.WithoutUndo)
        err << "The change was made without undo.\n";
    return ecDone;
}

// --apply FILE: the plan (with --dry-run every item of it, 0 when nothing
// would change and 1 when something would), else the changes made as one
// step. Entries whose class is not registered are skipped and end with 5
// unless --skip-missing.
int RunApply(const TArguments& a, TCommands& commands, TTextWriter& out, TTextWriter& err) {
    const TProfile profile = ReadProfile(a.operands[0]);
    const TPlan plan = PlanProfile(profile);
    for (const TPlanItem& item : plan.Items)
        if (a.dryRun || item.State != TPlanState::Unchanged)
            out << PlanLine(item) << "\n";
    const size_t missing = plan.Count(TPlanState::Missing);
    const bool failed = missing > 0 && !a.skipMissing;
    if (failed)
        err << missing << (missing == 1 ? " entry names a class" : " entries name classes")
            << " not registered here (--skip-missing applies the rest all the same).\n";
    if (a.dryRun)
        return failed ? ecFailed : plan.Count(TPlanState::Change) ? ecProblemsFound : ecDone;
    const TChange change = commands.ApplyProfile(profile, plan);
    if (change.Done)
        out << "Applied: " << plan.ChosenChanges()
            << (plan.ChosenChanges() == 1 ? " change" : " changes") << "\n";
    if (change.WithoutUndo)
        err << "The change was made without undo.\n";
    return failed ? ecFailed : ecDone;
}

// A flags number in hexadecimal: up to 8 digits of either case, with or
// without "0x" before them.
bool ParseFlags(std::string text, uint32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.erase(0, 2);
    if (text.empty() || text.size() > 8)
        return false;
    value = 0;
    for (char c : text) {
        const char* digit = std::strchr(HexDigits, std::toupper(static_cast<unsigned char>(c)));
        if (c == '\0' || !digit)
            return false;
        value = value << 4 | static_cast<uint32_t>(digit - HexDigits);
    }
    return true;
}

TArguments Parse(const std::vector<std::string>& args) {
    TArguments parsed;
    // Options are options wherever they stand; every other argument is an
    // operand of the command, in order. A lone "--" ends the options, so an
    // operand may begin with "--".
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !IsOption(arg)) {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "/?" || arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--yes") {
            parsed.yes = true;
        } else if (arg == "--keep") {
            parsed.keep = true;
        } else if (arg == "--no-undo") {
            parsed.noUndo = true;
        } else if (arg == "--force") {
            parsed.force = true;
        } else if (arg == "--scope") {
            if (i + 1 >= args.size() || (args[i + 1] != "user" && args[i + 1] != "machine"))
                throw EUsage("--scope takes 'user' or 'machine'.");
            parsed.scope = args[++i];
        } else if (arg == "--dry-run") {
            parsed.dryRun = true;
        } else if (arg == "--skip-missing") {
            parsed.skipMissing = true;
        } else if (arg == "--caption") {
            if (i + 1 >= args.size() || IsOption(args[i + 1]))
                throw EUsage("--caption needs a text.");
            parsed.hasCaption = true;
            parsed.caption = args[++i];
        } else {
            const TCommandSyntax* syntax = nullptr;
            for (const TCommandSyntax& known : kCommands)
                if (arg == known.option)
                    syntax = &known;
            if (!syntax)
                throw EUsage("Unknown argument '" + arg + "'.");
            if (parsed.command)
                throw EUsage("Only one command at a time: '" + arg + "' follows '" +
                             parsed.command->option + "'.");
            parsed.command = syntax;
        }
    }
    if (const TCommandSyntax* syntax = parsed.command) {
        if (operands.size() < static_cast<size_t>(syntax->operands))
            throw EUsage(std::string(syntax->option) + " needs " +
                         std::to_string(syntax->operands) +
                         (syntax->operands == 1 ? " operand." : " operands."));
        if (operands.size() > static_cast<size_t>(syntax->operands + syntax->optional))
            throw EUsage("Unexpected operand '" + operands[syntax->operands + syntax->optional] +
                         "'.");
        parsed.operands = operands;
    } else if (!operands.empty() && !parsed.help) {
        throw EUsage("Unexpected operand '" + operands[0] + "'.");
    }
    if (!parsed.help && !parsed.command)
        throw EUsage("No command given.");
    if (parsed.yes && parsed.keep)
        throw EUsage("--yes and --keep exclude each other.");
    for (const TWordOperand& word : kWordOperands)
        if (parsed.command && std::string(parsed.command->option) == word.option &&
            parsed.operands[word.operand] != word.first &&
            parsed.operands[word.operand] != word.second)
            throw EUsage(std::string(word.option) + " takes '" + word.first + "' or '" +
                         word.second + "'.");
    TFindingKind kind;
    if (parsed.command && std::string(parsed.command->option) == "--repair" &&
        (!FindingKindOfName(parsed.operands[0], kind) || !RepairedByCommand(kind)))
        throw EUsage("--repair takes one of: " + RepairableKinds() + ".");
    if (parsed.force && (!parsed.command || std::string(parsed.command->option) != "--assoc"))
        throw EUsage("--force goes with --assoc only.");
    const bool apply = parsed.command && std::string(parsed.command->option) == "--apply";
    if ((parsed.dryRun || parsed.skipMissing) && !apply)
        throw EUsage("--dry-run and --skip-missing go with --apply only.");
    TExportFormat format;
    if (parsed.command && std::string(parsed.command->option) == "--export" &&
        !ExportFormatOfName(parsed.operands[0], format))
        throw EUsage("--export takes 'associations', 'reg', 'csv' or 'html'.");
    if (parsed.hasCaption &&
        (!parsed.command || std::string(parsed.command->option) != "--add-verb"))
        throw EUsage("--caption goes with --add-verb only.");
    if (parsed.command && std::string(parsed.command->option) == "--set-flags" &&
        !ParseFlags(parsed.operands[1], parsed.flags))
        throw EUsage("--set-flags takes a hexadecimal number of up to 8 digits.");
    return parsed;
}

// Runs the parsed command; the change commands' TChange says whether they
// did anything.
int Run(const TArguments& a, TCommands& commands, TTextWriter& out, TTextWriter& err) {
    const std::string option = a.command->option;
    const auto operand = [&](size_t i) { return a.operands[i]; };
    if (option == "--list") {
        if (operand(0) == "extensions") {
            out << ExtensionListText();
        } else {
            commands.Rescan();
            out << ClassListText(commands.Index());
        }
        return ecDone;
    }
    if (option == "--export-backup") {
        commands.WriteBackup(operand(0), true);
        return ecDone;
    }
    if (option == "--check")
        return RunCheck(out);
    commands.Rescan();
    if (option == "--export") {
        TExportFormat format = TExportFormat::Associations;
        ExportFormatOfName(operand(0), format);
        commands.WriteExport(format, operand(1),
                             std::vector<std::string>(a.operands.begin() + 2, a.operands.end()));
        return ecDone;
    }
    if (option == "--apply" && a.dryRun)
        return RunApply(a, commands, out, err);
    if (option == "--show") {
        out << RecordText(operand(0), commands.Index());
        return ecDone;
    }
    // The changes: the gate first, then the item must be known.
    if (!commands.AllowChanges()) {
        err << ConsoleText(kChangesRefused) << "\n";
        return ecRefused;
    }
    if (option != "--undo") {
        const std::string refusal = commands.StoreRefusal();
        if (!refusal.empty()) {
            err << ConsoleText(refusal) << "\n";
            return ecRefused;
        }
    }
    if (option == "--repair")
        return RunRepair(a, commands, out, err);
    if (option == "--apply")
        return RunApply(a, commands, out, err);
    const auto knownExtension = [&](const std::string& ext) {
        if (!IsValidExtension(ext))
            throw EValidError::ForExtension(ext);
        if (!ExtensionExists(ext))
            throw EUnknownItem("The extension '" + ext + "' is not registered.");
    };
    TChange change;
    if (option == "--assoc") {
        if (!IsValidExtension(operand(0)))
            throw EValidError::ForExtension(operand(0));
        // A typing error must not link the extension to nothing (and take its
        // old class away as unused).
        if (!a.force && IsValidFileClass(operand(1)) && !FileClassExists(operand(1)))
            throw EUnknownItem("The fileclass '" + operand(1) +
                               "' is not registered (--force associates it all the same).");
        change = commands.Associate(operand(0), operand(1));
    } else if (option == "--dissoc") {
        knownExtension(operand(0));
        if (GetExtensionClass(operand(0)).empty()) {
            err << "'" << operand(0) << "' is not associated to a fileclass.\n";
            return ecFailed;
        }
        change = commands.Dissociate(operand(0));
    } else if (option == "--delete-ext") {
        knownExtension(operand(0));
        change = commands.DeleteExtension(operand(0));
    } else if (option == "--new-menu") {
        change = commands.SetNewMenuItem(operand(0), operand(1) == "on");
    } else if (option == "--open-with") {
        change = operand(1) == "add" ? commands.AddToOpenWith(operand(0), operand(2))
                                     : commands.RemoveFromOpenWith(operand(0), operand(2));
    } else if (option == "--reset-choice") {
        if (!IsValidExtension(operand(0)))
            throw EValidError::ForExtension(operand(0));
        change = commands.ResetUserChoice(operand(0));
    } else if (option == "--delete-class") {
        if (!FileClassExists(operand(0)))
            throw EUnknownItem("The fileclass '" + operand(0) + "' is not registered.");
        change = commands.DeleteClass(operand(0));
    } else if (option == "--set-command") {
        TActionEdit edit;
        edit.Command = operand(2);
        change = commands.ChangeAction(operand(0), operand(1), edit);
    } else if (option == "--add-verb") {
        change = commands.AddAction({operand(0), operand(1), a.caption, operand(2)});
    } else if (option == "--delete-verb") {
        change = commands.DeleteAction(operand(0), operand(1));
    } else if (option == "--default-verb") {
        change = commands.SetDefaultAction(operand(0), operand(1));
    } else if (option == "--set-flags") {
        change = commands.SetEditFlags(operand(0), a.flags);
    } else if (option == "--undo") {
        if (!commands.Journal().CanUndo()) {
            err << "There is nothing to undo.\n";
            return ecFailed;
        }
        const std::string name = commands.Journal().LastName();
        change = commands.Undo();
        if (change.Done && !change.Restored.Complete())
            return ecFailed;
        if (change.Done)
            out << "Undone: " << name << "\n";
    }
    if (change.WithoutUndo)
        err << "The change was made without undo.\n";
    return change.Stale ? ecFailed : ecDone;
}

} // namespace

bool WindowStartItem(const std::vector<std::string>& args, std::string& item) {
    item.clear();
    if (!StartsWindow(args))
        return false;
    if (args.size() == 2) {
        item = args[1];
        return true;
    }
    if (args.empty())
        return true;
    // A file's name ends in its extension; a point in a folder's name is
    // not one (the backslash makes it invalid).
    const size_t point = args[0].rfind('.');
    if (point != std::string::npos && IsValidExtension(args[0].substr(point)))
        item = args[0].substr(point);
    return true;
}

std::string CommandLineUsage() {
    return "Corvix - inspects and repairs file associations.\n"
           "\n"
           "corvix                          opens the window\n"
           "corvix .EXT | FILE | --select NAME\n"
           "                                opens the window on the extension (a file's\n"
           "                                extension) or the class\n"
           "corvix COMMAND [FLAGS]\n"
           "In a console \"corvix\" runs corvix.com, which starts corvix.exe, waits for it\n"
           "and ends with its exit code.\n"
           "\n"
           "Commands:\n"
           "  --list extensions             every extension key: .ext<TAB>class<TAB>stored\n"
           "  --list classes                every class: class<TAB>.ext1,.ext2,...<TAB>stored\n"
           "                                (stored: this user, all users, or this user,\n"
           "                                hiding all users' entry)\n"
           "  --show NAME                   the record of an extension or a class\n"
           "  --assoc .EXT CLASS [--force]  associates the extension with the class (one\n"
           "                                not registered only with --force)\n"
           "  --dissoc .EXT                 dissociates the extension from its class\n"
           "  --delete-ext .EXT             deletes the extension key\n"
           "  --delete-class CLASS          deletes the class key\n"
           "  --set-command CLASS VERB COMMAND\n"
           "                                sets the command line of the class's action VERB\n"
           "  --add-verb CLASS VERB COMMAND [--caption TEXT]\n"
           "                                adds the action VERB (TEXT: its menu text)\n"
           "  --delete-verb CLASS VERB      deletes the action VERB\n"
           "  --default-verb CLASS VERB     makes VERB the class's default action\n"
           "  --set-flags CLASS HEX         sets the class's EditFlags to the number HEX\n"
           "  --undo                        takes back the newest change (also the window's)\n"
           "  --export-backup FILE          writes HKEY_CLASSES_ROOT as a .reg file\n"
           "  --check                       lists the problems of the associations:\n"
           "                                kind<TAB>name<TAB>detail (exit 1 when any)\n"
           "  --repair KIND [NAME]          repairs the problems of that kind (KIND one of\n"
           "                                missing-class, empty-extension, unquoted-path,\n"
           "                                missing-curver, user-choice, stale-open-with,\n"
           "                                missing-application, user-hides-machine), all or\n"
           "                                NAME's\n"
           "  --reset-choice .EXT           resets the choice made in Windows for .EXT, so\n"
           "                                that its class here opens it\n"
           "  --new-menu .EXT on|off        adds an empty new file of .EXT to the shell's\n"
           "                                'New' menu, or takes its item out\n"
           "  --export FORMAT FILE [NAME...]\n"
           "                                writes the named extensions and classes (all\n"
           "                                when none is named) to FILE; FORMAT one of\n"
           "                                associations (the default-associations XML),\n"
           "                                reg, csv, html\n"
           "  --apply FILE [--dry-run] [--skip-missing]\n"
           "                                applies a profile (the XML or a .reg file) as\n"
           "                                one step; --dry-run prints the plan and ends\n"
           "                                with 1 when something would change;\n"
           "                                --skip-missing: entries of classes not\n"
           "                                registered here are no failure\n"
           "  --open-with .EXT add|remove NAME\n"
           "                                offers the class NAME under 'Open with' for .EXT,\n"
           "                                or takes NAME out of every 'Open with' list\n"
           "  /?, --help                    this text\n"
           "\n"
           "Flags:\n"
           "  --yes                         answers every question Yes\n"
           "  --keep                        Yes to the command, No to its clean-ups\n"
           "                                (deleting an unused class, erasing the key)\n"
           "  --no-undo                     changes also when the undo journal can't be written\n"
           "  --scope user|machine          changes apply to this user or to all users\n"
           "                                (default: settings.ini's Scope, else all users\n"
           "                                where allowed, else this user)\n"
           "Without --yes or --keep a change prints its questions and changes nothing.\n"
           "Flags may stand anywhere; after a lone -- every argument is an operand (for a\n"
           "value that begins with --).\n"
           "\n"
           "Exit codes: 0 done, 1 problems found (or changes planned), 2 usage error,\n"
           "3 refused by the settings (settings.ini beside corvix.exe), 4 confirmation\n"
           "needed, 5 failed.\n";
}

int RunCommandLine(const std::vector<std::string>& args, const std::string& settingsPath,
                   TTextWriter& out, TTextWriter& err) {
    TArguments parsed;
    try {
        parsed = Parse(args);
    } catch (const EUsage& e) {
        err << e.what() << "\n\n" << CommandLineUsage();
        return ecUsage;
    }
    if (parsed.help) {
        out << CommandLineUsage();
        return ecDone;
    }
    TConsoleQuestions questions(err, parsed.yes, parsed.keep, parsed.noUndo);
    try {
        TCommands commands(settingsPath, questions);
        if (!parsed.scope.empty())
            commands.Settings().Scope = parsed.scope;
        const std::string damage = commands.Journal().TakeDamageReport();
        if (!damage.empty())
            questions.Tell(TBoxKind::Warning, damage);
        if (parsed.command->changes && !parsed.dryRun)
            commands.DecideGate();
        return Run(parsed, commands, out, err);
    } catch (const EConfirmationNeeded& e) {
        err << e.what() << "\n";
        return ecConfirmationNeeded;
    } catch (const std::exception& e) {
        err << ConsoleText(e.what()) << "\n";
        return ecFailed;
    }
}

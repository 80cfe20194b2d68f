#include "cli/CommandLine.h"

#include "tickets/LaunchArgument.h"
#include "tickets/LayoutWords.h"

#include <QCommandLineParser>
#include <array>

namespace brovik::cli {
namespace {

struct OptionRow {
    const char* name;
    const char* valueName;  // null for a switch
    const char* help;
};

constexpr std::array kOptions{
    OptionRow{"config", "FILE", "Read the configuration from FILE instead of Alias.ini beside the program."},
    OptionRow{"tickets-csv", "FILE", "Write the sorted ticket table as CSV to FILE, without a window."},
    OptionRow{"export", "FILE.pdf", "Write the pages of the chosen layout as PDF to FILE.pdf, without a window."},
    OptionRow{"layout", "fluxo|centralizado|colunado", "The ticket layout (default fluxo)."},
    OptionRow{"op", "A-B", "Production orders A to B (default 1-99)."},
    OptionRow{"talao", "A-B", "Ticket numbers A to B (default 1-99999999)."},
    OptionRow{"decrescente", nullptr, "Each ticket's route in descending order."},
    OptionRow{"obs", "TEXT", "The remark printed by the flow layout (lowered, as the panel does)."},
    OptionRow{"barcode", "1..23", "The barcode standard's position in the panel's list (default 1)."},
    OptionRow{"help", nullptr, "Print this text and exit."},
    OptionRow{"version", nullptr, "Print the program's name and version and exit."},
};
static_assert(kOptions.size() == 11);

constexpr const char* kExitStatuses =
    "Exit statuses of --tickets-csv and --export:\n"
    "  0  the file was written\n"
    "  2  bad option, bad value or missing batch argument\n"
    "  3  the configuration file is missing or unreadable\n"
    "  4  the batch text is not a whole number\n"
    "  5  the database could not be reached or a query failed\n"
    "  6  the batch has no production orders\n"
    "  7  the output file could not be written\n";

const OptionRow* findOption(QStringView name) {
    for (const OptionRow& row : kOptions)
        if (name == QLatin1String(row.name)) return &row;
    return nullptr;
}

void addOptions(QCommandLineParser& parser) {
    for (const OptionRow& row : kOptions) {
        QCommandLineOption option(QString::fromLatin1(row.name), QString::fromUtf8(row.help));
        if (row.valueName) option.setValueName(QString::fromLatin1(row.valueName));
        parser.addOption(option);
    }
}

// Options first, then "--" and every argument that is no option, so that a launch
// argument beginning with "-" (a negative batch) is not taken for an option.
QStringList optionsBeforeArguments(const QStringList& arguments) {
    QStringList options{QStringLiteral("brovik")};
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == u"--") {
            rest += arguments.mid(i + 1);
            break;
        }
        if (a == u"-h" || a == u"-v") {
            options << (a == u"-h" ? QStringLiteral("--help") : QStringLiteral("--version"));
            continue;
        }
        if (!a.startsWith(u"--")) {
            rest << a;
            continue;
        }
        options << a;
        const OptionRow* row = findOption(QStringView(a).mid(2));
        if (!row || !row->valueName || a.contains(u'=')) continue;
        // Without its value the option must stay last, for the parser to say so.
        if (i + 1 >= arguments.size()) return options;
        options << arguments[++i];
    }
    return options << QStringLiteral("--") << rest;
}

// "A-B" with whole numbers; the ends may be negative only as the first character.
std::optional<std::pair<qint64, qint64>> parseRange(const QString& text) {
    const qsizetype dash = text.indexOf(u'-', 1);
    if (dash < 0) return std::nullopt;
    bool okA = false, okB = false;
    const qint64 a = text.left(dash).toLongLong(&okA);
    const qint64 b = text.mid(dash + 1).toLongLong(&okB);
    if (!okA || !okB) return std::nullopt;
    return std::make_pair(a, b);
}

CommandLineError refused(const QString& message) { return CommandLineError{message}; }

std::optional<CommandLineError> readRange(const QCommandLineParser& parser, const char* name, qint64& first,
                                          qint64& last) {
    const QString v = parser.value(QLatin1String(name));
    const auto range = parseRange(v);
    if (!range) return refused(QStringLiteral("--%1 takes a range A-B, not \"%2\"").arg(QLatin1String(name), v));
    first = std::max<qint64>(range->first, 1);  // the boxes' own reading rule: below 1 reads 1
    last = range->second;
    return std::nullopt;
}

// The ticket options; sets `given` when any of them was on the command line.
std::optional<CommandLineError> readTicketOptions(const QCommandLineParser& parser, tickets::TicketOptions& o,
                                                  bool& given) {
    given = false;
    if (parser.isSet(QStringLiteral("layout"))) {
        const QString v = parser.value(QStringLiteral("layout"));
        const auto layout = tickets::layoutOfWord(v);
        if (!layout) return refused(QStringLiteral("--layout takes fluxo, centralizado or colunado, not \"%1\"").arg(v));
        o.layout = *layout;
        given = true;
    }
    if (parser.isSet(QStringLiteral("op"))) {
        if (auto e = readRange(parser, "op", o.op1, o.op2)) return e;
        given = true;
    }
    if (parser.isSet(QStringLiteral("talao"))) {
        if (auto e = readRange(parser, "talao", o.tl1, o.tl2)) return e;
        given = true;
    }
    if (parser.isSet(QStringLiteral("decrescente"))) {
        o.decrescente = true;
        given = true;
    }
    if (parser.isSet(QStringLiteral("obs"))) {
        o.remark = parser.value(QStringLiteral("obs")).toLower();  // the remark box lowers every letter typed
        given = true;
    }
    if (parser.isSet(QStringLiteral("barcode"))) {
        const QString v = parser.value(QStringLiteral("barcode"));
        bool ok = false;
        const int k = v.toInt(&ok);
        if (!ok || k < 1 || k > 23) return refused(QStringLiteral("--barcode takes a list position 1 to 23, not \"%1\"").arg(v));
        o.barcodeEntry = k - 1;
        given = true;
    }
    return std::nullopt;
}

std::optional<CommandLineError> readMode(const QCommandLineParser& parser, CommandLine& cl) {
    const bool csv = parser.isSet(QStringLiteral("tickets-csv"));
    const bool pdf = parser.isSet(QStringLiteral("export"));
    if (csv && pdf) return refused(QStringLiteral("--tickets-csv and --export cannot be combined"));
    if (csv) cl.mode = Mode::TicketsCsv, cl.outputFile = parser.value(QStringLiteral("tickets-csv"));
    if (pdf) cl.mode = Mode::ExportPdf, cl.outputFile = parser.value(QStringLiteral("export"));
    return std::nullopt;
}

QString unknownOption(const QString& name) { return QLatin1String(name.size() == 1 ? "-" : "--") + name; }

}  // namespace

std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser);
    if (!parser.parse(optionsBeforeArguments(arguments))) {
        if (!parser.unknownOptionNames().isEmpty())
            return refused(QStringLiteral("unknown option %1").arg(unknownOption(parser.unknownOptionNames().first())));
        return refused(parser.errorText());
    }
    CommandLine cl;
    if (parser.isSet(QStringLiteral("help"))) return cl.mode = Mode::Help, cl;
    if (parser.isSet(QStringLiteral("version"))) return cl.mode = Mode::Version, cl;
    if (parser.isSet(QStringLiteral("config"))) cl.configFile = parser.value(QStringLiteral("config"));
    if (auto e = readMode(parser, cl)) return *e;
    bool ticketOptionsGiven = false;
    if (auto e = readTicketOptions(parser, cl.options, ticketOptionsGiven)) return *e;

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) return refused(QStringLiteral("unexpected argument \"%1\"").arg(positional[1]));
    if (!positional.isEmpty()) cl.launchArgument = positional.first();
    if (cl.mode == Mode::Window) {
        if (ticketOptionsGiven)
            return refused(QStringLiteral("the ticket options need --tickets-csv FILE or --export FILE.pdf"));
        return cl;
    }
    if (positional.isEmpty()) return refused(QStringLiteral("missing the batch argument (brovik:NUMBER)"));
    const QString rest = tickets::batchTextFromLaunchArgument(cl.launchArgument);
    if (!rest.isEmpty()) cl.options.batchText = rest;
    return cl;
}

QString usageText() {
    QString text = QStringLiteral(
        "Usage: brovik [options] brovik:<batch>\n"
        "Prints the production tickets of one batch. Without --tickets-csv or --export it opens\n"
        "the options panel on the batch; the batch number alone works too.\n\nOptions:\n");
    for (const OptionRow& row : kOptions) {
        QString left = QStringLiteral("  --") + QLatin1String(row.name);
        if (row.valueName) left += u' ' + QLatin1String(row.valueName);
        text += left.leftJustified(40) + u' ' + QString::fromUtf8(row.help) + u'\n';
    }
    return text + u'\n' + QLatin1String(kExitStatuses);
}

}  // namespace brovik::cli

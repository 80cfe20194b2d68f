#include "app/HeadlessOptions.h"

#include "tickets/LayoutWords.h"

namespace brovik::app {
namespace {

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

}  // namespace

QString batchTextFromLaunchArgument(const QString& argument) {
    QString rest = argument;
    rest.remove(QStringLiteral("brovik:"), Qt::CaseInsensitive);
    return rest;
}

std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList& arguments) {
    CommandLine cl;
    bool headlessOnlyOption = false;
    bool haveArgument = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size()) return std::nullopt;
            return arguments[++i];
        };
        auto missing = [&] { return CommandLineError{QStringLiteral("option %1 needs a value").arg(a)}; };
        if (a == u"--config") {
            auto v = value();
            if (!v) return missing();
            cl.configFile = *v;
        } else if (a == u"--tickets-csv" || a == u"--export") {
            auto v = value();
            if (!v) return missing();
            if (cl.mode != HeadlessMode::None)
                return CommandLineError{QStringLiteral("--tickets-csv and --export cannot be combined")};
            cl.mode = a == u"--export" ? HeadlessMode::ExportPdf : HeadlessMode::TicketsCsv;
            cl.outputFile = *v;
        } else if (a == u"--layout") {
            auto v = value();
            if (!v) return missing();
            auto layout = tickets::layoutOfWord(*v);
            if (!layout)
                return CommandLineError{
                    QStringLiteral("--layout takes fluxo, centralizado or colunado, not \"%1\"").arg(*v)};
            cl.options.layout = *layout;
            headlessOnlyOption = true;
        } else if (a == u"--op" || a == u"--talao") {
            auto v = value();
            if (!v) return missing();
            auto range = parseRange(*v);
            if (!range) return CommandLineError{QStringLiteral("%1 takes a range A-B, not \"%2\"").arg(a, *v)};
            // The boxes' own reading rule: a first value below 1 reads 1.
            const qint64 first = std::max<qint64>(range->first, 1);
            if (a == u"--op") {
                cl.options.op1 = first;
                cl.options.op2 = range->second;
            } else {
                cl.options.tl1 = first;
                cl.options.tl2 = range->second;
            }
            headlessOnlyOption = true;
        } else if (a == u"--decrescente") {
            cl.options.decrescente = true;
            headlessOnlyOption = true;
        } else if (a == u"--obs") {
            auto v = value();
            if (!v) return missing();
            cl.options.remark = v->toLower();  // the remark box lowers every letter typed
            headlessOnlyOption = true;
        } else if (a == u"--barcode") {
            auto v = value();
            if (!v) return missing();
            bool ok = false;
            const int k = v->toInt(&ok);
            if (!ok || k < 1 || k > 23)
                return CommandLineError{QStringLiteral("--barcode takes a list position 1 to 23, not \"%1\"").arg(*v)};
            cl.options.barcodeEntry = k - 1;
            headlessOnlyOption = true;
        } else if (a.startsWith(u"--")) {
            return CommandLineError{QStringLiteral("unknown option %1").arg(a)};
        } else if (!haveArgument) {
            cl.launchArgument = a;
            haveArgument = true;
        } else {
            return CommandLineError{QStringLiteral("unexpected argument \"%1\"").arg(a)};
        }
    }
    if (headlessOnlyOption && cl.mode == HeadlessMode::None)
        return CommandLineError{QStringLiteral("the ticket options need --tickets-csv FILE or --export FILE.pdf")};
    if (cl.mode != HeadlessMode::None) {
        if (!haveArgument) return CommandLineError{QStringLiteral("missing the batch argument (brovik:NUMBER)")};
        const QString rest = batchTextFromLaunchArgument(cl.launchArgument);
        if (!rest.isEmpty()) cl.options.batchText = rest;
    }
    return cl;
}

}  // namespace brovik::app

#include "app/qt/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <array>

namespace {

using Action = StartRequest::Action;

// Qt's own options, which the application takes out of the arguments itself: the ones with a value,
// then the switches.
constexpr std::array kQtValueOptions = {"style",
                                        "stylesheet",
                                        "platform",
                                        "platformpluginpath",
                                        "platformtheme",
                                        "plugin",
                                        "qmljsdebugger",
                                        "qwindowgeometry",
                                        "qwindowicon",
                                        "qwindowtitle",
                                        "session",
                                        "display",
                                        "geometry"};
constexpr std::array kQtSwitches = {"reverse", "widgetcount"};

// The program's own options.
struct Options {
    QCommandLineOption help{QStringLiteral("help")};
    QCommandLineOption screenshots{QStringLiteral("screenshots")};
    QCommandLineOption printPdf{QStringLiteral("print-pdf")};
    QCommandLineOption sheet{QStringLiteral("sheet"), QString(), QStringLiteral("KEY")};
    QCommandLineOption all{QStringLiteral("all")};
    QCommandLineOption usable{QStringLiteral("usable")};
    QCommandLineOption paper{QStringLiteral("paper"), QString(), QStringLiteral("a4|letter")};
};

void AddOptions(QCommandLineParser& parser, const Options& options) {
    // "-style" is Qt's option style, so a word after one dash is a long option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({options.help,
                       options.screenshots,
                       options.printPdf,
                       options.sheet,
                       options.all,
                       options.usable,
                       options.paper});
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// `text` with the bytes it was given: the argument it was read from (a file name need not be valid in
// the locale's encoding), else its local encoding.
std::string GivenBytes(const QString& text, const std::vector<std::string>& arguments) {
    const auto given = std::find_if(arguments.begin(), arguments.end(), [&text](const std::string& argument) {
        return QString::fromLocal8Bit(argument) == text;
    });
    return given != arguments.end() ? *given : text.toLocal8Bit().toStdString();
}

StartRequest Refused(std::string problem) {
    StartRequest request;
    request.action = Action::RefuseUsage;
    request.problem = std::move(problem);
    return request;
}

// What is wrong when the parser refused the arguments: an unknown option named as it was typed, or an
// option whose value is missing (it can only be the last argument).
std::string ParseProblem(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.front();
        for (const QString& argument : arguments) {
            const QString typed = argument.section(QLatin1Char('='), 0, 0);
            if (typed == QLatin1String("--") + name || typed == QLatin1Char('-') + name) {
                return "unknown option " + typed.toStdString();
            }
        }
        return "unknown option --" + name.toStdString();
    }
    const QString last = arguments.isEmpty() ? QString() : arguments.back();
    if (last == QLatin1String("--sheet")) {
        return "--sheet needs a sheet name";
    }
    if (last == QLatin1String("--paper")) {
        return "--paper needs a4 or letter";
    }
    return parser.errorText().toStdString();
}

StartRequest
PrintPdfRequestOf(const QCommandLineParser& parser, const Options& options, const std::vector<std::string>& arguments) {
    StartRequest request;
    request.action = Action::PrintPdf;
    PrintPdfRequest& print = request.print;
    print.usableOnly = parser.isSet(options.usable);
    if (parser.isSet(options.paper)) {
        const QString paper = parser.value(options.paper);
        if (paper != QLatin1String("a4") && paper != QLatin1String("letter")) {
            return Refused("--paper needs a4 or letter");
        }
        print.paper = paper == QLatin1String("a4") ? PrintPdfRequest::Paper::A4 : PrintPdfRequest::Paper::Letter;
    }
    if (parser.isSet(options.sheet)) {
        if (parser.value(options.sheet).isEmpty()) {
            return Refused("--sheet needs a sheet name");
        }
        if (parser.isSet(options.all)) {
            return Refused("--sheet and --all exclude each other");
        }
        print.sheet = GivenBytes(parser.value(options.sheet), arguments);
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.front().isEmpty() || positional.size() > 2) {
        return Refused("--print-pdf needs OUT.pdf and at most one FILE");
    }
    print.output = GivenBytes(positional.front(), arguments);
    if (positional.size() == 2) {
        print.file = GivenBytes(positional.back(), arguments);
    }
    return request;
}

StartRequest ScreenshotsRequestOf(const QCommandLineParser& parser, const std::vector<std::string>& arguments) {
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.front().isEmpty() || positional.size() > 2) {
        return Refused("--screenshots needs DIR and at most one FILE");
    }
    StartRequest request;
    request.action = Action::TakeScreenshots;
    request.folder = GivenBytes(positional.front(), arguments);
    if (positional.size() == 2) {
        request.file = GivenBytes(positional.back(), arguments);
    }
    return request;
}

// The window opens the first argument that is not the maker switch (paths may begin with '/').
StartRequest WindowRequestOf(const QCommandLineParser& parser, const std::vector<std::string>& arguments) {
    StartRequest request;
    for (const QString& argument : parser.positionalArguments()) {
        if (argument.compare(QStringLiteral("/servmod"), Qt::CaseInsensitive) != 0) {
            request.file = GivenBytes(argument, arguments);
            break;
        }
    }
    return request;
}

} // namespace

StartRequest ReadCommandLine(const std::vector<std::string>& arguments) {
    QStringList texts;
    for (const std::string& argument : arguments) {
        texts.append(QString::fromLocal8Bit(argument));
    }
    const Options options;
    QCommandLineParser parser;
    AddOptions(parser, options);
    if (!parser.parse(texts)) {
        return Refused(ParseProblem(parser, texts));
    }
    if (parser.isSet(options.help)) {
        StartRequest request;
        request.action = Action::ShowUsage;
        return request;
    }
    const bool printPdf = parser.isSet(options.printPdf);
    if (printPdf && parser.isSet(options.screenshots)) {
        return Refused("--print-pdf and --screenshots exclude each other");
    }
    if (printPdf) {
        return PrintPdfRequestOf(parser, options, arguments);
    }
    for (const QCommandLineOption* printOnly : {&options.sheet, &options.all, &options.usable, &options.paper}) {
        if (parser.isSet(*printOnly)) {
            return Refused("--" + printOnly->names().front().toStdString() + " goes with --print-pdf");
        }
    }
    if (parser.isSet(options.screenshots)) {
        return ScreenshotsRequestOf(parser, arguments);
    }
    return WindowRequestOf(parser, arguments);
}

// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/CommandLineParser.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string_view>

struct TCommandLineParser::TImpl {
    QCommandLineParser Parser;
};

TCommandLineParser::TCommandLineParser() : Impl_(std::make_unique<TImpl>())
{
    // X screensavers pass "-window-id" and "-root" with one dash.
    Impl_->Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

TCommandLineParser::~TCommandLineParser() = default;

void TCommandLineParser::AddOption(const std::vector<std::string>& names, const std::string& valueName)
{
    QStringList list;
    for (const std::string& name : names)
        list << QString::fromStdString(name);
    Impl_->Parser.addOption(QCommandLineOption(list, QString(), QString::fromStdString(valueName)));
}

bool TCommandLineParser::Parse(const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromLocal8Bit(argument.c_str());
    return Impl_->Parser.parse(list);
}

std::string TCommandLineParser::Error() const
{
    return Impl_->Parser.errorText().toStdString();
}

bool TCommandLineParser::IsSet(const std::string& name) const
{
    return Impl_->Parser.isSet(QString::fromStdString(name));
}

std::string TCommandLineParser::Value(const std::string& name) const
{
    return Impl_->Parser.value(QString::fromStdString(name)).toStdString();
}

std::vector<std::string> TCommandLineParser::Positional() const
{
    std::vector<std::string> result;
    for (const QString& argument : Impl_->Parser.positionalArguments())
        result.push_back(argument.toStdString());
    return result;
}

std::vector<std::string> ApplicationArguments()
{
    std::vector<std::string> result;
    for (const QString& argument : QCoreApplication::arguments())
        result.push_back(argument.toLocal8Bit().toStdString());
    return result;
}

namespace {

// What QApplication and its X11 and Wayland platforms take out of the command line.
constexpr std::array<std::string_view, 16> kToolkitOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowtitle",
    "title", "qwindowicon", "icon", "session", "style", "stylesheet", "display", "name", "visual"};
constexpr std::array<std::string_view, 5> kToolkitSwitches = {"reverse", "widgetcount", "nograb", "dograb",
                                                               "testability"};
constexpr std::array<std::string_view, 3> kToolkitOptionsWithJoinedValue = {"style=", "stylesheet=",
                                                                            "qmljsdebugger="};

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view word)
{
    return std::find(names.begin(), names.end(), word) != names.end();
}

}  // namespace

std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& arguments)
{
    std::vector<std::string> result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view word = arguments[i];
        if (i == 0 || word.size() < 2 || word[0] != '-') {
            result.push_back(arguments[i]);
            continue;
        }
        word.remove_prefix(word.rfind("--", 0) == 0 ? 2 : 1);
        const bool joined = std::any_of(kToolkitOptionsWithJoinedValue.begin(), kToolkitOptionsWithJoinedValue.end(),
                                        [word](std::string_view prefix) { return word.rfind(prefix, 0) == 0; });
        if (Among(kToolkitOptionsWithValue, word))
            ++i;
        else if (!joined && !Among(kToolkitSwitches, word))
            result.push_back(arguments[i]);
    }
    return result;
}

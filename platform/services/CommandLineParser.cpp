#include "platform/services/CommandLineParser.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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

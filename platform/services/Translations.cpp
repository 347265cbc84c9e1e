// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

TTranslations::TTranslations(const std::string& catalogue, const std::string& language)
    : Program_(std::make_unique<QTranslator>()), Toolkit_(std::make_unique<QTranslator>())
{
    const QString code = QString::fromStdString(language);
    Loaded_ = Program_->load(QString::fromStdString(":/i18n/" + catalogue + "_" + language + ".qm"));
    if (Loaded_)
        QCoreApplication::installTranslator(Program_.get());
    if (Toolkit_->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(Toolkit_.get());
}

TTranslations::~TTranslations()
{
    QCoreApplication::removeTranslator(Toolkit_.get());
    QCoreApplication::removeTranslator(Program_.get());
}

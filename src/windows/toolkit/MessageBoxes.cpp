// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include "Application.h"

#include <QLoggingCategory>
#include <QMessageBox>

namespace toolkit {

namespace {

Q_LOGGING_CATEGORY(Shown, "rozstawiki.shown", QtWarningMsg)

void ShowModal(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, ApplicationTitle(), lines, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    LogShown(lines);
    box.exec();
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) { ShowModal(parent, QMessageBox::NoIcon, text); }

void MessageDlg(QWidget* parent, const QString& text) { ShowModal(parent, QMessageBox::Information, text); }

void ShowErrorReport(QWidget* parent, const QString& text) { ShowModal(parent, QMessageBox::Critical, text); }

void LogShown(const QString& text) { qCInfo(Shown).noquote() << text; }

}  // namespace toolkit

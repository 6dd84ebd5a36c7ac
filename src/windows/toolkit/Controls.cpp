// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controls.h"

#include "ProgramWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QPushButton>

#include <algorithm>

namespace toolkit {

QFont SansFont(int pixelHeight, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    // Unhinted advances keep a digit at exactly two spaces at every size.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QFont SansFontOfCellHeight(int cellHeight, bool bold) {
    QFont font = SansFont(std::max(cellHeight, 1), bold);
    while (font.pixelSize() > 1 && QFontMetrics(font).height() > cellHeight) font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QColor MenuColour() { return QApplication::palette("QMenu").color(QPalette::Window); }

void Label::SetCaption(const QString& caption) {
    setText(caption);
    if (testAttribute(Qt::WA_WState_Polished)) adjustSize();
}

bool Label::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    const bool polished = testAttribute(Qt::WA_WState_Polished);
    if (event->type() == QEvent::Polish || (event->type() == QEvent::FontChange && polished)) adjustSize();
    return handled;
}

Label* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* label = new Label(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    // Connected before the window's handler, so it runs first, also for an accelerator, which
    // leaves the focus where it was.
    QObject::connect(button, &QPushButton::clicked, button, [button] { CommitPendingInput(*button); });
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

void SetHint(QWidget* widget, const QString& hint) { widget->setToolTip(hint); }

void SetReaderName(QWidget* control, const QString& name) { control->setAccessibleName(name); }

void SetTabOrder(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace toolkit

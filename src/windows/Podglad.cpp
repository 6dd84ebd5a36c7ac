// SPDX-License-Identifier: GPL-3.0-or-later
#include "Podglad.h"

#include "toolkit/Controls.h"
#include "toolkit/ProgramWindow.h"

#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

TPodglad::TPodglad(QPrinter& printer, Paint paint, QWidget* parent)
    : QDialog(parent), preview_(new QPrintPreviewWidget(&printer, this)) {
    setObjectName(QStringLiteral("Podglad"));
    setWindowTitle(tr("Podgląd wydruku"));
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [paint = std::move(paint)](QPrinter* pages) { paint(*pages); });

    auto* print = new QPushButton(tr("&Drukuj"), this);
    print->setObjectName(QStringLiteral("PodgladDrukuj"));
    auto* larger = new QPushButton(tr("&Powiększ"), this);
    auto* smaller = new QPushButton(tr("P&omniejsz"), this);
    auto* whole = new QPushButton(tr("&Cała strona"), this);
    auto* close = new QPushButton(tr("&Zamknij"), this);
    connect(print, &QPushButton::clicked, this, [this] {
        printAsked_ = true;
        accept();
    });
    connect(larger, &QPushButton::clicked, preview_, [this] { preview_->zoomIn(); });
    connect(smaller, &QPushButton::clicked, preview_, [this] { preview_->zoomOut(); });
    connect(whole, &QPushButton::clicked, preview_, &QPrintPreviewWidget::fitInView);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {print, larger, smaller, whole}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(preview_);
    toolkit::SetTabOrder({print, larger, smaller, whole, close, preview_});
    toolkit::SetReaderName(preview_, tr("Strony wydruku"));
    resize(720, 860);
}

void TPodglad::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);  // placed over the main window
    toolkit::FitOnScreen(*this);
}

#include "ui/tab_page.h"

#include <algorithm>

#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

// "KML (Google Earth) (.kml)"
QString targetCaption(const Conversion& conversion) {
    const FileKindInfo& target = fileKindInfo(conversion.target);
    return fromUtf8(target.description) + QStringLiteral(" (") + fromUtf8(target.extension) +
           QLatin1Char(')');
}

}  // namespace

TabPage::TabPage(const Conversion& conversion, std::unique_ptr<OptionsPanel> panel, QWidget* parent)
    : QWidget(parent),
      panel_(std::move(panel)),
      caption_(conversion.tabCaption),
      conversions_{conversion.kind} {
    if (panel_) {
        layout_.addWidget(panel_.get(), 1);
    } else {
        layout_.addStretch(1);
    }
    layout_.addLayout(&buttons_);
    buttons_.addWidget(&openButton_);
    buttons_.addWidget(&convertButton_);
    buttons_.addStretch(1);
    targets_.setObjectName(QStringLiteral("cmbTargetFormat"));
    targets_.addItem(targetCaption(conversion));
    targets_.hide();
}

void TabPage::addTarget(const Conversion& conversion) {
    if (conversions_.size() == 1) {
        if (panel_) {
            panel_->addRow(tr("Convert to:"), targets_);
        } else {
            buttons_.insertWidget(0, &targets_);
        }
        targets_.show();
    }
    conversions_.push_back(conversion.kind);
    targets_.addItem(targetCaption(conversion));
}

bool TabPage::offers(ConversionKind kind) const {
    return std::find(conversions_.begin(), conversions_.end(), kind) != conversions_.end();
}

ConversionKind TabPage::chosenConversion() const {
    return conversions_.at(static_cast<std::size_t>(std::max(0, targets_.currentIndex())));
}

}  // namespace morlindo::ui

// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ConclusionsFile.h"

#include "core/PromptConventions.h"
#include "output/ReplaceFile.h"

#include <QLineEdit>

namespace terravia {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString Caption = u"Conclusions file"_s;

// Where the chosen path is kept between saves: the main window's Text1, or a stand-in when
// the wizard runs without a window.
class PathText {
public:
    explicit PathText(QLineEdit* text1)
        : text1_(text1) {}

    QString text() const { return text1_ != nullptr ? text1_->text() : local_; }
    void setText(const QString& text) {
        if (text1_ != nullptr)
            text1_->setText(text);
        else
            local_ = text;
    }

private:
    QLineEdit* text1_;
    QString local_;
};

// Asks until there is a path: a dialog closed without OK keeps the earlier one, but the
// first save has none to keep.
QString ChooseLocation(Wizard& wizard, PathText& pathText) {
    for (;;) {
        const std::optional<QString> chosen = wizard.prompts.askSaveLocation(Caption);
        if (chosen.has_value())
            pathText.setText(*chosen);
        if (!pathText.text().isEmpty())
            return pathText.text();
        ShowMessage(wizard, u"A file name and location are needed to save the conclusions"_s,
                    Caption);
    }
}

bool ChooseAnother(Wizard& wizard, const QString& path, const QString& reason) {
    ShowMessage(wizard, u"The conclusions could not be saved to %1: %2"_s.arg(path, reason),
                u"Conclusions file not saved"_s);
    return AskYesNo(wizard,
                    u"Do you want to choose another location for the conclusions file?"_s) ==
           Answer::Yes;
}

} // namespace

QString WithTxtExtension(const QString& path) {
    const QString extension = u".txt"_s;
    return path.endsWith(extension, Qt::CaseSensitive) ? path : path + extension;
}

QByteArray ConclusionsBytes(const Session& session) {
    QByteArray bytes;
    for (int line = 1; line <= session.ConclusionCount; ++line) {
        bytes += session.Conclusions[static_cast<std::size_t>(line)].toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

void WriteConclusionsFile(Wizard& wizard) {
    PathText pathText(wizard.controls.Text1);
    for (;;) {
        const QString path = WithTxtExtension(ChooseLocation(wizard, pathText));
        const std::optional<QString> failure = ReplaceFile(path, ConclusionsBytes(wizard.session));
        if (!failure.has_value() || !ChooseAnother(wizard, path, *failure))
            return;
    }
}

} // namespace terravia

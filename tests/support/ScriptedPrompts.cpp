// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ScriptedPrompts.h"
#include "support/Texts.h"

#include "core/Errand.h"

#include <QtGlobal>

namespace terravia::test {
namespace {

QString KindName(Step::Kind kind) {
    switch (kind) {
    case Step::Kind::Question:
        return u"question"_s;
    case Step::Kind::Message:
        return u"message"_s;
    case Step::Kind::Input:
        return u"input"_s;
    case Step::Kind::Save:
        return u"save"_s;
    }
    return {};
}

QString Describe(Step::Kind kind, const QString& title, const QString& text) {
    return KindName(kind) + u" | "_s + title + u" | "_s + text;
}

// Far more prompts than any run asks: past it a derailed wizard is looping.
constexpr int DerailedPromptLimit = 200000;

} // namespace

Step Yes(const QString& question) {
    return {Step::Kind::Question, Info, question, true, {}, {}};
}

Step No(const QString& question) {
    return {Step::Kind::Question, Info, question, false, {}, {}};
}

Step Message(const QString& title, const QString& text) {
    return {Step::Kind::Message, title, text, false, {}, {}};
}

Step Input(const QString& title, const QString& prompt, const QString& reply) {
    return {Step::Kind::Input, title, prompt, false, reply, {}};
}

Step Cancel(const QString& title, const QString& prompt) {
    return {Step::Kind::Input, title, prompt, false, std::nullopt, {}};
}

Step Save(const QString& caption, const QString& path) {
    return {Step::Kind::Save, caption, QString(), false, path, {}};
}

Step CloseSave(const QString& caption) {
    return {Step::Kind::Save, caption, QString(), false, std::nullopt, {}};
}

std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void ScriptedPrompts::add(std::initializer_list<Step> steps) {
    steps_.insert(steps_.end(), steps.begin(), steps.end());
}

void ScriptedPrompts::add(const std::vector<Step>& steps) {
    steps_.insert(steps_.end(), steps.begin(), steps.end());
}

const Step* ScriptedPrompts::next(Step::Kind kind, const QString& title, const QString& text) {
    const QString seen = Describe(kind, title, text);
    transcript_.append(seen);
    if (derailed_) {
        if (++promptsAfterDerailing_ > DerailedPromptLimit)
            qFatal("The wizard kept prompting after its script went wrong: %s", qPrintable(seen));
        return nullptr;
    }
    if (position_ >= steps_.size()) {
        failures_.append(u"unexpected prompt after the script ended: "_s + seen);
        derailed_ = true;
        return nullptr;
    }
    const Step& step = steps_[position_];
    const QString expected = Describe(step.kind, step.title, step.text);
    if (expected != seen) {
        failures_.append(u"prompt %1 differs\n  expected: %2\n  seen:     %3"_s.arg(position_ + 1)
                             .arg(expected, seen));
        derailed_ = true;
        return nullptr;
    }
    ++position_;
    if (step.whileOpen)
        step.whileOpen();
    return &step;
}

bool ScriptedPrompts::askYesNo(const QString& text, const QString& title) {
    const Step* step = next(Step::Kind::Question, title, text);
    return step == nullptr || step->yes;
}

void ScriptedPrompts::showMessage(const QString& text, const QString& title) {
    next(Step::Kind::Message, title, text);
}

std::optional<QString> ScriptedPrompts::askText(const QString& prompt, const QString& title) {
    const Step* step = next(Step::Kind::Input, title, prompt);
    if (step == nullptr)
        return u"1"_s;
    return step->reply;
}

std::optional<QString> ScriptedPrompts::askSaveLocation(const QString& caption) {
    const Step* step = next(Step::Kind::Save, caption, QString());
    if (step == nullptr)
        return scratch_.filePath(u"derailed"_s);
    return step->reply;
}

bool ScriptedPrompts::waitFor(Errand& errand, std::chrono::milliseconds patience) {
    return errand.await(patience);
}

QStringList ScriptedPrompts::failures() const {
    QStringList all = failures_;
    if (!derailed_ && position_ < steps_.size()) {
        const Step& step = steps_[position_];
        all.append(u"prompt %1 never came: %2"_s.arg(position_ + 1)
                       .arg(Describe(step.kind, step.title, step.text)));
    }
    return all;
}

} // namespace terravia::test

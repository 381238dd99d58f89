// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Prompts.h"
#include "core/Window.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <vector>

namespace terravia::test {

// One expected prompt and its answer.
struct Step {
    enum class Kind { Question, Message, Input, Save };
    Kind kind = Kind::Message;
    QString title;
    QString text;
    bool yes = false;                // Question
    std::optional<QString> reply;    // Input (no value: Cancel) and Save (no value: closed)
    std::function<void()> whileOpen; // runs while the prompt is open, before it is answered
};

// Questions always carry the title "Information required".
Step Yes(const QString& question);
Step No(const QString& question);
Step Message(const QString& title, const QString& text);
Step Input(const QString& title, const QString& prompt, const QString& reply);
Step Cancel(const QString& title, const QString& prompt);
Step Save(const QString& caption, const QString& path);
Step CloseSave(const QString& caption);

// The steps of a, then those of b.
std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b);

// Prompts that follow a script: every prompt must be the next step, of the same kind,
// title and text. A surprise is recorded as a failure, and from then on the prompts answer
// so that any run comes to an end (Yes, "1", a writable scratch file), so that a faulty
// wizard fails its test rather than hanging it. What the stages show in the window is
// recorded, not asserted: the tests that are about it look.
class ScriptedPrompts : public Prompts, public Window {
public:
    ScriptedPrompts() = default;
    ScriptedPrompts(std::initializer_list<Step> steps) { add(steps); }

    void add(const Step& step) { steps_.push_back(step); }
    void add(std::initializer_list<Step> steps);
    void add(const std::vector<Step>& steps);

    bool askYesNo(const QString& text, const QString& title) override;
    void showMessage(const QString& text, const QString& title) override;
    std::optional<QString> askText(const QString& prompt, const QString& title) override;
    std::optional<QString> askSaveLocation(const QString& caption) override;
    // Waits on the test's thread, which draws no window.
    bool waitFor(Errand& errand, std::chrono::milliseconds patience) override;

    void setBackColor(Rgb color) override { backColors_.push_back(color); }
    QString conclusionsPath() const override { return conclusionsPath_; }
    void setConclusionsPath(const QString& path) override { conclusionsPath_ = path; }
    // Every colour the window was given, in order.
    const std::vector<Rgb>& backColors() const { return backColors_; }

    // Failures so far, with an unanswered remainder of the script counted as one.
    QStringList failures() const;
    // Every prompt seen, one line each: "kind | title | text".
    const QStringList& transcript() const { return transcript_; }

private:
    const Step* next(Step::Kind kind, const QString& title, const QString& text);

    std::vector<Step> steps_;
    std::size_t position_ = 0;
    bool derailed_ = false;
    int promptsAfterDerailing_ = 0;
    QStringList failures_;
    QStringList transcript_;
    QTemporaryDir scratch_;
    std::vector<Rgb> backColors_;
    QString conclusionsPath_;
};

} // namespace terravia::test

// Fails the current test with every recorded failure of the script.
#define VERIFY_SCRIPT(script)                                                                      \
    do {                                                                                           \
        const QStringList scriptFailures_ = (script).failures();                                   \
        QVERIFY2(scriptFailures_.isEmpty(),                                                        \
                 qPrintable(scriptFailures_.join(QLatin1Char('\n')) + QStringLiteral("\n--\n") +   \
                            (script).transcript().join(QLatin1Char('\n'))));                       \
    } while (false)

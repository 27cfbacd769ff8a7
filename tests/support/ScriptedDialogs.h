#pragma once

#include "gui/UserDialogs.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

namespace tessellon::test {

// Answers for the user from queues filled by the test, and records every box that was
// asked for. A question with no answer queued is answered Cancel and counted as
// unexpected, so a test never waits for a real modal box.
class ScriptedDialogs final : public UserDialogs {
public:
    struct Question {
        QString caption;
        QString text;
    };

    QList<MessageAnswer> answers;
    // Fills in a modal dialog for the user and gives its result; without it every dialog is
    // accepted as it is.
    std::function<int(QDialog&)> modalAnswer;
    QStringList openChoices;
    QStringList saveChoices;
    QList<std::optional<QFont>> fontChoices;
    // Whether a program can be started to show a document.
    bool documentsOpen = true;

    QList<Question> questions;
    QStringList informed;
    QStringList warned;
    QStringList openFilters;
    QStringList saveFilters;
    QStringList saveSuggestions;
    QList<QFont> fontChooserStarts;
    QList<QDialog*> modalDialogs;
    QStringList openedDocuments;
    int unexpected = 0;

    MessageAnswer askYesNoCancel(QWidget*, const QString& caption, const QString& text) override
    {
        questions.append({ caption, text });
        if (answers.isEmpty()) {
            ++unexpected;
            return MessageAnswer::Cancel;
        }
        return answers.takeFirst();
    }

    void inform(QWidget*, const QString&, const QString& text) override { informed << text; }
    void warn(QWidget*, const QString&, const QString& text) override { warned << text; }

    QString chooseFileToOpen(QWidget*, const QString& filter) override
    {
        openFilters << filter;
        return takeChoice(openChoices);
    }

    QString chooseFileToSave(
        QWidget*, const QString& filter, const QString& suggestedName = QString()) override
    {
        saveFilters << filter;
        saveSuggestions << suggestedName;
        return takeChoice(saveChoices);
    }

    QString chooseFileToOpenOrCreate(QWidget* owner, const QString& filter) override
    {
        return chooseFileToOpen(owner, filter);
    }

    std::optional<QFont> chooseFont(QWidget*, const QFont& initial) override
    {
        fontChooserStarts << initial;
        if (fontChoices.isEmpty()) {
            ++unexpected;
            return std::nullopt;
        }
        return fontChoices.takeFirst();
    }

    int runModal(QDialog& dialog) override
    {
        modalDialogs << &dialog;
        return modalAnswer ? modalAnswer(dialog) : 1;
    }

    void openDocument(const QString& path, std::function<void(bool)> outcome) override
    {
        openedDocuments << path;
        outcome(documentsOpen);
    }

private:
    QString takeChoice(QStringList& choices)
    {
        if (choices.isEmpty()) {
            ++unexpected;
            return {};
        }
        return choices.takeFirst();
    }
};

} // namespace tessellon::test

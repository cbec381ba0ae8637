#pragma once
// Shared by the window tests: a profile file in a temporary folder, the error
// box and the preview replaced by recorders, and typing that also works for
// Thai text (QTest::keyClicks only knows Latin-1).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "model/CompanyProfileFile.h"
#include "model/Cp874.h"
#include "page/PagePrinting.h"
#include "ui/ErrorBox.h"
#include "ui/TForm1.h"
#include "ui/TForm2.h"
#include "ui/TForm3.h"
#include "ui/WindowBuilder.h"

namespace mervane::testing {

inline const std::string kSampleName = "บริษัท ตัวอย่าง จำกัด";
inline const std::string kSampleAddress = "12 หมู่ 3";

// The line as the program writes it, without CR LF.
inline std::string ProfileLine(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return Cp874ToUtf8(file.readAll().toStdString());
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        profilePath_ = dir_.filePath(QStringLiteral("mervane/COMP.TXT")).toStdString();
        // Thai settings: d/M/yyyy in the Buddhist era, "," and "." in amounts.
        QLocale::setDefault(QLocale(QLocale::Thai, QLocale::Thailand));
        QApplication::setQuitOnLastWindowClosed(false);
        SetErrorBoxHook([this](const QString& message) { errors_.push_back(message.toStdString()); });
        SetPrintPreviewHook([this](Page& page, const PageStart& pageStart) {
            ++previews_;
            profileAtPreview_ = ProfileLine(profilePath_);
            if (onPreview_)
                onPreview_(page, pageStart);
        });
    }

    void TearDown() override
    {
        form1_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetErrorBoxHook({});
        SetPrintPreviewHook({});
        QLocale::setDefault(QLocale::c());
    }

    void writeProfile(const ProfileFields& fields) { WriteProfileFile(profilePath_, fields); }
    void writeSampleProfile() { writeProfile({kSampleName, kSampleAddress, "1234567890", "1234567890123", "5", "27"}); }

    void writeRawProfile(const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(QString::fromStdString(profilePath_)).absolutePath());
        QFile file(QString::fromStdString(profilePath_));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // Turns the profile's folder into a plain file, so that the profile can be
    // neither read nor written any more.
    void blockProfileFolder()
    {
        const QString folder = QFileInfo(QString::fromStdString(profilePath_)).absolutePath();
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }

    TForm1& openMainWindow()
    {
        form1_ = std::make_unique<TForm1>(profilePath_);
        form1_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form1_.get()));
        return *form1_;
    }

    // Makes `window` the active one and waits until the platform agrees
    // (QTest::qWaitForWindowActive can answer too early while another
    // window of the program still has the focus).
    static bool activate(QWidget* window)
    {
        window->activateWindow();
        for (int i = 0; i < 200 && QApplication::activeWindow() != window; ++i)
            QTest::qWait(5);
        return QApplication::activeWindow() == window;
    }

    template <class T = QWidget>
    T* control(const QWidget* window, const char* name)
    {
        return Child<T>(window, name);
    }

    void click(const QWidget* window, const char* name)
    {
        QTest::mouseClick(control(window, name), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    }

    // The control's own editor (a date edit's line edit, say), focused in an
    // active window.
    QWidget* focusEditor(const QWidget* window, const char* name)
    {
        QWidget* target = control(window, name);
        while (target->focusProxy())
            target = target->focusProxy();
        if (QApplication::activeWindow() != target->window()) {
            EXPECT_TRUE(activate(target->window()));
        }
        target->setFocus(Qt::OtherFocusReason);
        return target;
    }

    // Types into the control's editor, as the clerk does.
    void type(const QWidget* window, const char* name, const QString& text)
    {
        QWidget* target = focusEditor(window, name);
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(target, c.toLatin1());
            } else {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(target, &press);
                QApplication::sendEvent(target, &release);
            }
        }
    }

    // Empties the control's editor first.
    void retype(const QWidget* window, const char* name, const QString& text)
    {
        QWidget* target = focusEditor(window, name);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Delete);
        type(window, name, text);
    }

    // Moves the focus on, so that editors show their display text.
    void leave(const QWidget* window, const char* name)
    {
        QWidget* target = control(window, name);
        while (target->focusProxy())
            target = target->focusProxy();
        target->clearFocus();
    }

    void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir_;
    std::string profilePath_;
    std::unique_ptr<TForm1> form1_;
    std::vector<std::string> errors_;
    int previews_ = 0;
    std::string profileAtPreview_;
    std::function<void(Page&, const PageStart&)> onPreview_;
};

} // namespace mervane::testing

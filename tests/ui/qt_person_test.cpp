#include "ui/qt_person.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <filesystem>

#include "print/ytd_print.h"
#include "support/temp_folder.h"

namespace {

struct FilterCase {
    const char* name;
    const char* filter;
    const char* qt;
};

const FilterCase kFilterCases[] = {
    {"name already shows its pattern", "User Files (*.use)|*.use", "User Files (*.use)"},
    {"pattern added to a bare name", "Pay Periods|*.prv", "Pay Periods (*.prv)"},
    {"several patterns and filters", "Text|*.txt;*.doc|All Files (*.*)|*.*", "Text (*.txt *.doc);;All Files (*.*)"},
    {"a lone pattern", "*.use", "*.use"},
    {"nothing", "", ""},
};

TEST(QtFileFilter, ConvertsBarSeparatedFilters) {
    for (const auto& c : kFilterCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(orvane::ui::qtFileFilter(c.filter).toStdString(), c.qt);
    }
}

}  // namespace

namespace {

using orvane::Answer;
using orvane::MessageButtons;
using orvane::MessageIcon;

// Answers the next modal dialog as soon as it is shown, and remembers what it showed.
template <class Dialog, class Reply>
void whenShown(Reply reply) {
    QTimer::singleShot(0, [reply] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        reply(*dialog);
    });
}

struct AskCase {
    const char* name;
    MessageButtons buttons;
    QMessageBox::StandardButton pressed;  // NoButton: the box is closed with Escape
    Answer answer;
};

const AskCase kAskCases[] = {
    {"yes", MessageButtons::YesNo, QMessageBox::Yes, Answer::Yes},
    {"no", MessageButtons::YesNo, QMessageBox::No, Answer::No},
    {"escape on yes/no is no", MessageButtons::YesNo, QMessageBox::NoButton, Answer::No},
    {"cancel of three", MessageButtons::YesNoCancel, QMessageBox::Cancel, Answer::Cancel},
    {"ok", MessageButtons::Ok, QMessageBox::Ok, Answer::Ok},
    {"ok of ok/cancel", MessageButtons::OkCancel, QMessageBox::Ok, Answer::Ok},
};

TEST(QtPerson, MessageBoxShowsLinesTitleIconAndReturnsTheButton) {
    orvane::ui::QtPerson person;
    for (const auto& c : kAskCases) {
        SCOPED_TRACE(c.name);
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenShown<QMessageBox>([&, c](QMessageBox& box) {
            text = box.text();
            title = box.windowTitle();
            icon = box.icon();
            if (c.pressed == QMessageBox::NoButton)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.button(c.pressed)->click();
        });
        const Answer answer = person.ask({{"You have corupted a file.", "Find file,"}, "Damaged", MessageIcon::Critical, c.buttons});
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(text, "You have corupted a file.\nFind file,");
        EXPECT_EQ(title, "Damaged");
        EXPECT_EQ(icon, QMessageBox::Critical);
    }
}

TEST(QtPerson, PromptReturnsTheTextOrNothingOnCancel) {
    orvane::ui::QtPerson person;
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept ? "accepted" : "cancelled");
        QString shownInitial;
        whenShown<QInputDialog>([&, accept](QInputDialog& dialog) {
            shownInitial = dialog.textValue();
            dialog.setTextValue("Mary Smith");
            accept ? dialog.accept() : dialog.reject();
        });
        const auto answer = person.prompt("Enter the user's name", "New User", "Joe");
        EXPECT_EQ(shownInitial, "Joe");
        EXPECT_EQ(answer, accept ? std::optional<std::string>("Mary Smith") : std::nullopt);
    }
}

TEST(QtPerson, FileChooserStartsInTheSessionsFolderAndFiltersByExtension) {
    orvane::test::TempFolder folder(false);
    orvane::ui::QtPerson person;
    person.startFolder = [&] { return folder.path; };
    QString directory, nameFilter;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        directory = dialog.directory().absolutePath();
        nameFilter = dialog.selectedNameFilter();
        dialog.reject();
    });
    EXPECT_EQ(person.chooseFileToOpen("Open", "Saved Files (*.use)|*.use"), std::nullopt);  // cancelled
    EXPECT_EQ(directory, QDir(QString::fromStdString(folder.path.string())).absolutePath());
    EXPECT_EQ(nameFilter, "Saved Files (*.use)");
}

TEST(QtPerson, PrintingWithoutTheChooserAsksForAPrinterOnceThenEachPdfItsName) {
    orvane::test::TempFolder folder(false);
    orvane::ui::QtPerson person;
    int choosers = 0;
    const auto choose = [&](bool accept) {
        whenShown<QPrintDialog>([&choosers, accept](QPrintDialog& dialog) {
            ++choosers;
            dialog.done(accept ? QDialog::Accepted : QDialog::Rejected);
        });
    };
    // Letter at first.
    EXPECT_EQ(person.printer().pageLayout().pageSize().id(), QPageSize::Letter);
    // Before any choice the chooser comes; cancelled, nothing prints.
    choose(false);
    EXPECT_FALSE(person.preparePrinter());
    EXPECT_EQ(choosers, 1);
    choose(true);
    EXPECT_TRUE(person.preparePrinter());
    EXPECT_EQ(choosers, 2);
    EXPECT_EQ(person.printer().pageLayout().pageSize().id(), QPageSize::Letter);  // the dialog kept it

    // Chosen once: a PDF printer is asked for its file each time, the chooser stays away.
    const QString earlier = QString::fromStdString((folder.path / "earlier.pdf").string());
    const QString next = QString::fromStdString((folder.path / "next.pdf").string());
    person.printer().setOutputFormat(QPrinter::PdfFormat);
    person.printer().setOutputFileName(earlier);
    whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(person.preparePrinter());  // no name given: nothing prints
    EXPECT_EQ(person.printer().outputFileName(), earlier);
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(next);
        static_cast<QDialog&>(dialog).accept();  // QFileDialog's own accept takes the file
    });
    EXPECT_TRUE(person.preparePrinter());
    EXPECT_EQ(person.printer().outputFileName(), next);
    EXPECT_EQ(choosers, 2);
}

TEST(QtPerson, PreviewShowsTheDocumentInItsOrientationAndLeavesThePrinterAsItWas) {
    orvane::ui::QtPerson person;
    const auto ledger = orvane::ledgerDocument(orvane::PrintYr({}, {}, true, {}, "Smith", "1/8/2007"));
    int pages = 0;
    bool landscape = false;
    whenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog& dialog) {
        auto* widget = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        pages = widget->pageCount();
        landscape = widget->orientation() == QPageLayout::Landscape;
        dialog.reject();
    });
    EXPECT_TRUE(person.preview(ledger, "Year To Date"));
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(landscape);
    EXPECT_EQ(person.printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(QtPerson, AFailedPrintLeavesThePrinterUsableWithItsSettings) {
    orvane::test::TempFolder folder(false);
    orvane::ui::QtPerson person;
    orvane::PrintDocument page;
    page.at(1, "Hello");
    page.end();
    person.printer().setOutputFormat(QPrinter::PdfFormat);
    person.printer().setPageSize(QPageSize(QPageSize::Legal));
    person.printer().setOutputFileName(QString::fromStdString((folder.path / "missing" / "a.pdf").string()));
    EXPECT_FALSE(person.currentPrinter()->print(page));
    EXPECT_EQ(person.printer().pageLayout().pageSize().id(), QPageSize::Legal);  // the choice holds
    const auto good = folder.path / "b.pdf";
    person.printer().setOutputFileName(QString::fromStdString(good.string()));
    EXPECT_TRUE(person.currentPrinter()->print(page));
    EXPECT_TRUE(std::filesystem::exists(good));
}

}  // namespace

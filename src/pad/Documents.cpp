#include "pad/mainwindow.h"

#include "pad/DocumentEncoding.h"
#include "pad/FileReading.h"
#include "pad/MainWindowForm.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTextDocument>

#include <algorithm>

namespace {
// Characters per piece: a few megabytes of UTF-8 at most.
constexpr qsizetype DocumentPieceLength = 1 << 20;

QString DocumentFileFilter()
{
    return QStringLiteral("Text Files (*.txt);;All Files (*)");
}

QString FileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

// The first dropped URL that names a local regular file, or an empty path.
QString DroppedFilePath(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            return url.toLocalFile();
    }
    return QString();
}
} // namespace

MainWindow::DocumentPrompts MainWindow::DefaultDocumentPrompts()
{
    DocumentPrompts prompts;
    prompts.openFileName = [](QWidget* parent, const QString& title) {
        return QFileDialog::getOpenFileName(parent, title, QString(), DocumentFileFilter());
    };
    prompts.saveFileName = [](QWidget* parent, const QString& title, const QString& start) {
        return QFileDialog::getSaveFileName(parent, title, start, DocumentFileFilter());
    };
    prompts.dropChoice = [](QWidget* parent, const QString& fileName) {
        QMessageBox box(parent);
        box.setWindowTitle(QStringLiteral("Dropped Document"));
        box.setIcon(QMessageBox::Question);
        box.setText(QStringLiteral("What would you like to do with:\n\n") + fileName);
        QPushButton* open = box.addButton(QStringLiteral("Open"), QMessageBox::AcceptRole);
        QPushButton* insert = box.addButton(QStringLiteral("Insert at Cursor"), QMessageBox::ActionRole);
        QPushButton* dontOpen = box.addButton(QStringLiteral("Don't Open"), QMessageBox::RejectRole);
        box.setDefaultButton(dontOpen);
        box.setEscapeButton(dontOpen);
        box.exec();
        if (box.clickedButton() == open)
            return DropChoice::Open;
        if (box.clickedButton() == insert)
            return DropChoice::Insert;
        return DropChoice::DontOpen;
    };
    prompts.warning = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::warning(parent, title, text, QMessageBox::Ok);
    };
    return prompts;
}

void MainWindow::UpdateDocumentWindowTitle()
{
    if (documentPath.isEmpty())
        setWindowTitle(QStringLiteral("Sumvelle"));
    else
        setWindowTitle(QStringLiteral("Sumvelle - ") + FileNameOf(documentPath));
    if (ui->finished())
        ui->actionSave_Document->setEnabled(!documentPath.isEmpty());
}

bool MainWindow::ProduceDocumentBytes(const std::function<bool(QByteArrayView)>& sink) const
{
    // The raw text keeps no-break spaces, which the plain text would turn
    // into blanks; only the two line separators become "\n". (Reading the
    // document in ranges instead walks its fragments more slowly.)
    QString text = ui->Text1->document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    }
    // Saved as it was read, unless it would no longer read back the same.
    const DocumentEncoding::Encoding encoding = DocumentEncoding::SaveEncoding(text, documentEncoding);
    const QByteArray mark = DocumentEncoding::ByteOrderMark(text, encoding);
    if (!mark.isEmpty() && !sink(mark))
        return false;
    // Encoded a piece at a time: a large pad is never held whole as bytes
    // beside its text.
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype length = std::min(DocumentPieceLength, all.size() - start);
        // A surrogate pair is encoded whole, never split between two pieces.
        if (start + length < all.size() && all.at(start + length - 1).isHighSurrogate()
            && all.at(start + length).isLowSurrogate())
            ++length;
        if (!sink(DocumentEncoding::Encode(all.mid(start, length), encoding)))
            return false;
        start += length;
    }
    return true;
}

QByteArray MainWindow::DocumentBytes() const
{
    QByteArray bytes;
    ProduceDocumentBytes([&bytes](QByteArrayView piece) {
        bytes.append(piece);
        return true;
    });
    return bytes;
}

// Replaces the pad as New and Open do: the history goes, and the pad driver
// sees the change.
void MainWindow::ReplacePadText(const QString& text)
{
    ClearUndoHistory();

    // The editor gives new text the format of its cursor: a cursor just after
    // a bold answer would make the whole pad bold.
    QTextCursor plainCursor = ui->Text1->textCursor();
    plainCursor.clearSelection();
    plainCursor.setCharFormat(QTextCharFormat());
    ui->Text1->setTextCursor(plainCursor);
    ui->Text1->setPlainText(text);

    QTextCursor start = ui->Text1->textCursor();
    start.movePosition(QTextCursor::Start);
    ui->Text1->setTextCursor(start);
}

// New and Open throw the pad and its history away: with Save Log on Clear the
// pad reaches the log first, as CLEAR does, and stays when the log could not
// take it. An empty pad has nothing to keep.
bool MainWindow::LogPadBeforeReplacing()
{
    if (!ui->actionSave_Log_On_Clear->isChecked() || PadText().isEmpty())
        return true;
    return WriteLog();
}

void MainWindow::on_actionNew_Document_triggered()
{
    if (RefuseWhileBusy() || !LogPadBeforeReplacing())
        return;
    documentPath.clear();
    documentEncoding = DocumentEncoding::Encoding::Utf8;
    ReplacePadText(QString());
    UpdateDocumentWindowTitle();
    ShowStatus(QStringLiteral("New Document"));
}

bool MainWindow::ReadDocumentFile(const QString& path, QString& text, DocumentEncoding::Encoding& encoding)
{
    const QString title = QStringLiteral("Cannot Open File");
    QByteArray bytes;
    const FileReading::Outcome read = FileReading::ReadRegular(path, MaximumDocumentBytes, bytes);
    switch (read.status) {
    case FileReading::Status::Ok:
        break;
    case FileReading::Status::TooLarge:
        documentPrompts.warning(this, title,
                                QStringLiteral("Sumvelle could not open:\n\n") + path
                                    + QStringLiteral("\n\nThe file holds %1 bytes; Sumvelle opens documents of up to "
                                                     "%2 bytes.")
                                          .arg(read.size)
                                          .arg(MaximumDocumentBytes));
        return false;
    case FileReading::Status::ReadFailed:
        documentPrompts.warning(this, title,
                                QStringLiteral("Sumvelle could not completely read:\n\n") + path
                                    + QStringLiteral("\n\n") + read.error);
        return false;
    case FileReading::Status::CannotOpen:
    case FileReading::Status::Missing:
    case FileReading::Status::NotRegular:
        documentPrompts.warning(this, title, QStringLiteral("Sumvelle could not open:\n\n") + path);
        return false;
    }
    text = DocumentEncoding::Decode(bytes, encoding);
    // Lines end in "\n" in the pad, whatever the file used.
    if (text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return true;
}

bool MainWindow::OpenDocumentFromPath(const QString& path)
{
    if (RefuseWhileBusy())
        return false;
    QString text;
    DocumentEncoding::Encoding encoding;
    if (!ReadDocumentFile(path, text, encoding) || !LogPadBeforeReplacing())
        return false;
    ReplacePadText(text);
    documentPath = path;
    documentEncoding = encoding;
    UpdateDocumentWindowTitle();
    ShowStatus(QStringLiteral("Opened ") + FileNameOf(path));
    return true;
}

void MainWindow::on_actionOpen_Document_triggered()
{
    if (RefuseWhileBusy())
        return;
    const QString path = documentPrompts.openFileName(this, QStringLiteral("Open Document"));
    if (!path.isEmpty())
        OpenDocumentFromPath(path);
}

bool MainWindow::InsertDocumentFromPath(const QString& path)
{
    if (RefuseWhileBusy())
        return false;
    // The text joins the pad's document, which keeps its own encoding.
    QString text;
    DocumentEncoding::Encoding encoding;
    if (!ReadDocumentFile(path, text, encoding))
        return false;
    CommitUndoStep(OpenEditStep::Join);

    // Inserted as the program inserts everything, so the pad driver does not
    // rework the lines it receives.
    const QSignalBlocker blocker(ui->Text1);
    QTextCursor cursor = ui->Text1->textCursor();
    cursor.insertText(text, QTextCharFormat());
    ui->Text1->setTextCursor(cursor);
    ShowStatus(QStringLiteral("Inserted ") + FileNameOf(path));
    return true;
}

void MainWindow::on_actionInsert_Document_At_Cursor_triggered()
{
    if (RefuseWhileBusy())
        return;
    const QString path = documentPrompts.openFileName(this, QStringLiteral("Insert Document at Cursor"));
    if (!path.isEmpty())
        InsertDocumentFromPath(path);
}

// Written beside the old file and renamed over it only when every byte is on
// disk: a failed save leaves the old file as it was.
bool MainWindow::WriteDocumentFile(const QString& path)
{
    const QString title = QStringLiteral("Cannot Save File");
    const QFileInfo info(path);
    QSaveFile file(path);
    // Saving would replace a device or a folder by a regular file.
    if ((info.exists() && !info.isFile()) || !file.open(QIODevice::WriteOnly)) {
        documentPrompts.warning(this, title, QStringLiteral("Sumvelle could not save:\n\n") + path);
        return false;
    }
    const bool written = ProduceDocumentBytes(
        [&file](QByteArrayView piece) { return file.write(piece.data(), piece.size()) == piece.size(); });
    // The final flush can fail on a full disk, and commit() would not notice.
    if (!written || !file.flush()) {
        file.cancelWriting();
        documentPrompts.warning(this, title, QStringLiteral("Sumvelle could not completely save:\n\n") + path);
        return false;
    }
    if (!file.commit()) {
        documentPrompts.warning(this, title, QStringLiteral("Sumvelle could not completely save:\n\n") + path);
        return false;
    }
    return true;
}

void MainWindow::on_actionSave_Document_triggered()
{
    if (documentPath.isEmpty())
        return;
    if (WriteDocumentFile(documentPath))
        ShowStatus(QStringLiteral("Saved ") + FileNameOf(documentPath));
}

void MainWindow::on_actionSave_Document_As_triggered()
{
    const QString path = documentPrompts.saveFileName(this, QStringLiteral("Save Document As"), documentPath);
    if (path.isEmpty() || !WriteDocumentFile(path))
        return;
    documentPath = path;
    UpdateDocumentWindowTitle();
    ShowStatus(QStringLiteral("Saved ") + FileNameOf(path));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    FinishForm();
    if (DroppedFilePath(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    FinishForm();
    const QString path = DroppedFilePath(event->mimeData());
    if (path.isEmpty() || RefuseWhileBusy()) {
        event->ignore();
        return;
    }
    switch (documentPrompts.dropChoice(this, FileNameOf(path))) {
    case DropChoice::Open:
        OpenDocumentFromPath(path);
        break;
    case DropChoice::Insert:
        InsertDocumentFromPath(path);
        break;
    case DropChoice::DontOpen:
        break;
    }
    event->acceptProposedAction();
}

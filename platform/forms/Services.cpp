#include "platform/forms/Services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace forms {
namespace {

class QtMessageBoxes final : public MessageBoxService {
public:
    int show(const QString& prompt, int style, const QString& title) override {
        QMessageBox box;
        box.setWindowTitle(title);
        box.setText(prompt);
        switch (style & 0xF0) {
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        struct Choice {
            QMessageBox::StandardButton button;
            int answer;
            QString text = QString();  // empty: the button's own text
        };
        std::vector<Choice> choices;
        switch (style & 0x0F) {
        case vbOKCancel: choices = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}}; break;
        case vbAbortRetryIgnore:
            choices = {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
            break;
        case vbYesNoCancel: choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}}; break;
        case vbYesNo: choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}}; break;
        case vbRetryCancel: choices = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}}; break;
        case vbCancelTryContinue:
            choices = {{QMessageBox::Cancel, vbCancel, QStringLiteral("キャンセル")},
                       {QMessageBox::Retry, vbTryAgain, QStringLiteral("再試行")},
                       {QMessageBox::Ignore, vbContinue, QStringLiteral("続行")}};
            break;
        default: choices = {{QMessageBox::Ok, vbOK}}; break;
        }
        QMessageBox::StandardButtons buttons;
        for (const auto& c : choices) buttons |= c.button;
        box.setStandardButtons(buttons);
        for (const auto& c : choices) {
            if (!c.text.isEmpty()) box.button(c.button)->setText(c.text);
        }
        const std::size_t defaultButton = static_cast<std::size_t>((style >> 8) & 3);
        box.setDefaultButton(choices[defaultButton < choices.size() ? defaultButton : 0].button);
        const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
        for (const auto& c : choices) {
            if (c.button == clicked) return c.answer;
        }
        // Closing the box counts as its cancel answer, or the only answer there is.
        return (style & 0x0F) == vbOKOnly ? vbOK : choices.back().answer;
    }
};

class QtBeep final : public BeepService {
public:
    void beep() override { QApplication::beep(); }
};

// The default printer, or a PDF file in its place (the same page layout and painting).
class QtPrinter final : public PrinterService {
public:
    explicit QtPrinter(QString pdfFile = QString()) : pdfFile_(std::move(pdfFile)) {}

    void printPage(const QImage& page, const QString& jobName, PageOrientation orientation, bool fitPage) override {
        std::unique_ptr<QPrinter> printer;
        if (pdfFile_.isEmpty()) {
            const QPrinterInfo info = QPrinterInfo::defaultPrinter();
            if (info.isNull()) {
                throw std::runtime_error(QStringLiteral("プリンターが見つかりません。").toStdString());
            }
            printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        } else {
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfFile_);
        }
        printer->setDocName(jobName);
        if (orientation != PageOrientation::Unchanged) {
            printer->setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        }
        QPainter painter;
        if (!painter.begin(printer.get())) {
            throw std::runtime_error(
                (QStringLiteral("出力を始められません: ") + (pdfFile_.isEmpty() ? printer->printerName() : pdfFile_)).toStdString());
        }
        // The window is printed at its size on screen (96 pixels to the inch), shrunk
        // only when it does not fit the page.
        const QRect area = painter.viewport();
        const double scale = printer->resolution() / 96.0;
        QSizeF size(page.width() * scale, page.height() * scale);
        if (fitPage || size.width() > area.width() || size.height() > area.height()) {
            size.scale(area.size(), Qt::KeepAspectRatio);
        }
        painter.drawImage(QRectF(QPointF(0, 0), size), page);
        if (!painter.end()) {
            throw std::runtime_error(
                (QStringLiteral("出力を終えられません: ") + (pdfFile_.isEmpty() ? printer->printerName() : pdfFile_)).toStdString());
        }
    }

private:
    QString pdfFile_;
};

class DesktopUrls final : public UrlService {
public:
    bool open(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
};

class QtProcesses final : public ProcessService {
public:
    int run(const QString& program, const QStringList& arguments, bool wait, const OutputSink& output) override {
        if (!wait) {
            if (!QProcess::startDetached(program, arguments)) {
                throw std::runtime_error((QStringLiteral("プログラムを起動できません: ") + program).toStdString());
            }
            return 0;
        }
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, arguments);
        if (!p.waitForStarted()) {
            throw std::runtime_error((QStringLiteral("プログラムを起動できません: ") + program).toStdString());
        }
        // Nothing to read from: a program that asks stops asking instead of waiting.
        p.closeWriteChannel();
        // A character split between two reads is kept for the next.
        QStringDecoder utf8(QStringDecoder::Utf8);
        const auto pass = [&] {
            const QByteArray bytes = p.readAll();
            if (!bytes.isEmpty() && output) output(utf8.decode(bytes));
        };
        while (!p.waitForFinished(100)) {
            pass();
            QCoreApplication::processEvents();
        }
        pass();
        return p.exitCode();
    }
};

class QtTicker final : public Ticker {
public:
    QtTicker(int milliseconds, std::function<void()> tick) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(tick));
        timer_.start(std::max(1, milliseconds));
    }

private:
    QTimer timer_;
};

class RealClock final : public ClockService {
public:
    void sleep(int milliseconds) override { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
    std::unique_ptr<Ticker> every(int milliseconds, std::function<void()> tick) override {
        return std::make_unique<QtTicker>(milliseconds, std::move(tick));
    }
};

class PrimaryScreen final : public ScreenService {
public:
    double width() const override { return geometry().width() * 15.0; }
    double height() const override { return geometry().height() * 15.0; }

private:
    static QRect geometry() {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->geometry() : QRect(0, 0, 1024, 768);
    }
};

// One lock file per user, held with flock(): a second copy finds it held by a live
// process, and the system lets go of it when the holder ends, however it ends, so a
// crashed copy never leaves a lock behind. Nothing is written to the file: a lock that
// writes and syncs its holder's name costs the start a disk flush wherever the runtime
// folder is not in memory.
class FlockInstance final : public InstanceService {
public:
    explicit FlockInstance(QString path) : path_(std::move(path)) {}
    ~FlockInstance() override {
        if (fd_ >= 0) ::close(fd_);
    }
    FlockInstance(const FlockInstance&) = delete;
    FlockInstance& operator=(const FlockInstance&) = delete;

    bool previousInstance() override {
        if (!tried_) {
            tried_ = true;
            fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
            // A lock that cannot be made at all (no such folder, no right to it) does not
            // keep the program from starting: only a live holder does.
            if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
                held_ = errno != EWOULDBLOCK;
                ::close(fd_);
                fd_ = -1;
            } else {
                held_ = true;
            }
        }
        return !held_;
    }

private:
    QString path_;
    int fd_ = -1;
    bool tried_ = false;
    bool held_ = false;
};

bool g_ending = false;
int g_exitStatus = 0;
QString g_pathOverride;

class QuitEventLoop final : public EndService {
public:
    void end(int status) override {
        g_ending = true;
        g_exitStatus = status;
        QCoreApplication::exit(status);
    }
};

std::shared_ptr<InstanceService> userLock() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return makeSingleCopyLock(QDir(runtime.isEmpty() ? QDir::tempPath() : runtime).filePath(QStringLiteral("tavrin.lock")));
}

Services productionServices() {
    Services d;
    d.messageBox = std::make_shared<QtMessageBoxes>();
    d.beep = std::make_shared<QtBeep>();
    d.printer = std::make_shared<QtPrinter>();
    d.url = std::make_shared<DesktopUrls>();
    d.process = std::make_shared<QtProcesses>();
    d.clock = std::make_shared<RealClock>();
    d.screen = std::make_shared<PrimaryScreen>();
    d.instance = userLock();
    d.endProgram = std::make_shared<QuitEventLoop>();
    return d;
}

}  // namespace

Services& services() {
    static Services s = productionServices();
    return s;
}

void installDefaultServices() { services() = productionServices(); }

std::shared_ptr<PrinterService> makePdfPrinter(const QString& path) { return std::make_shared<QtPrinter>(path); }

std::shared_ptr<InstanceService> makeSingleCopyLock(const QString& path) { return std::make_shared<FlockInstance>(path); }

int MsgBox(const QString& prompt, int style, const QString& title) {
    return services().messageBox->show(prompt, style, title.isEmpty() ? AppInfo::Title() : title);
}

void Beep() { services().beep->beep(); }

void DoEvents() { QCoreApplication::processEvents(); }

double ScreenInfo::Width() const { return services().screen->width(); }
double ScreenInfo::Height() const { return services().screen->height(); }
ScreenInfo Screen() { return {}; }

QString AppInfo::Path() { return g_pathOverride.isEmpty() ? QCoreApplication::applicationDirPath() : g_pathOverride; }
void AppInfo::setPath(const QString& path) { g_pathOverride = path; }
QString AppInfo::Title() { return QStringLiteral("tavrin"); }
bool AppInfo::PrevInstance() { return services().instance->previousInstance(); }
void AppInfo::End(int status) {
    g_ending = true;
    g_exitStatus = status;
    services().endProgram->end(status);
}
bool AppInfo::ending() { return g_ending; }
int AppInfo::exitStatus() { return g_exitStatus; }
void AppInfo::resetEnding() {
    g_ending = false;
    g_exitStatus = 0;
}

}  // namespace forms

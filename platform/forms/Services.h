#pragma once
// Every side effect a window has outside itself goes through one of these services, so
// that tests can replace it: message boxes, the beep, the printer, opening a web address,
// running another program, the clock, the screen, the single-copy test and ending the
// program. Production implementations are installed by default.

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace forms {

// Message-box buttons and icons, and the answers, with their classic values.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCancelTryContinue = 6,  // キャンセル, 再試行, 続行
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,  // the second button answers Enter; the first does without these
    vbDefaultButton3 = 512,
};
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
    vbTryAgain = 10,
    vbContinue = 11
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int show(const QString& prompt, int style, const QString& title) = 0;
};

class BeepService {
public:
    virtual ~BeepService() = default;
    virtual void beep() = 0;
};

enum class PageOrientation { Unchanged, Portrait, Landscape };

// Prints one page: a picture, at its size on screen, or scaled to fill the page's width
// or height. Throws std::runtime_error with the reason, for the user, when there is no
// printer or the print fails ("プリンターが見つかりません。"); the caller says what failed.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    virtual void printPage(const QImage& page, const QString& jobName, PageOrientation orientation = PageOrientation::Unchanged,
                           bool fitPage = false) = 0;
};

class UrlService {
public:
    virtual ~UrlService() = default;
    // Opens the address in the user's browser; false when it could not be opened.
    virtual bool open(const QString& url) = 0;
};

// What a program writes, its output and its errors together, piece by piece as it comes.
using OutputSink = std::function<void(const QString&)>;

class ProcessService {
public:
    virtual ~ProcessService() = default;
    // Starts a program; with wait, returns its exit code, otherwise 0. A program that is
    // waited for hands what it writes to output, when given, while it runs. Throws
    // std::runtime_error when the program cannot be started.
    virtual int run(const QString& program, const QStringList& arguments, bool wait, const OutputSink& output = {}) = 0;
};

// A repeating tick from the event loop. It stops when it is destroyed, also from inside
// its own tick.
class Ticker {
public:
    virtual ~Ticker() = default;
};

class ClockService {
public:
    virtual ~ClockService() = default;
    // Waits without letting any event run: the program's busy waits.
    virtual void sleep(int milliseconds) = 0;
    // Calls tick every interval (at least 1 millisecond) from the event loop; it never
    // blocks, and the ticks go on until the ticker is destroyed.
    virtual std::unique_ptr<Ticker> every(int milliseconds, std::function<void()> tick) = 0;
};

class ScreenService {
public:
    virtual ~ScreenService() = default;
    virtual double width() const = 0;   // twips
    virtual double height() const = 0;  // twips
};

class InstanceService {
public:
    virtual ~InstanceService() = default;
    // True when another copy of the program is already running.
    virtual bool previousInstance() = 0;
};

class EndService {
public:
    virtual ~EndService() = default;
    // Ends the program with the given exit status, as soon as control returns to the
    // event loop (or at once when none runs yet).
    virtual void end(int status) = 0;
};

// The installed services. Each pointer is always set.
struct Services {
    std::shared_ptr<MessageBoxService> messageBox;
    std::shared_ptr<BeepService> beep;
    std::shared_ptr<PrinterService> printer;
    std::shared_ptr<UrlService> url;
    std::shared_ptr<ProcessService> process;
    std::shared_ptr<ClockService> clock;
    std::shared_ptr<ScreenService> screen;
    std::shared_ptr<InstanceService> instance;
    std::shared_ptr<EndService> endProgram;
};

Services& services();
// A printer that writes its pages to a PDF file instead of the default printer.
std::shared_ptr<PrinterService> makePdfPrinter(const QString& path);
// The single-copy test on the lock file at path: previousInstance() is true while another
// holder of it lives, in this process or another.
std::shared_ptr<InstanceService> makeSingleCopyLock(const QString& path);
// Puts back the production services (tests use a scoped replacement instead).
void installDefaultServices();

// --- What window code calls ---------------------------------------------------------

// Shows a message box; an empty title gives the program's title.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
void Beep();
// Lets pending window events run once.
void DoEvents();

struct ScreenInfo {
    double Width() const;
    double Height() const;
    double TwipsPerPixelX() const { return 15.0; }
    double TwipsPerPixelY() const { return 15.0; }
};
ScreenInfo Screen();

// The program: its folder, its title, the single-copy test, and ending it.
struct AppInfo {
    static QString Path();
    static void setPath(const QString& path);  // tests run the program from a fixture folder
    static QString Title();
    static bool PrevInstance();
    static void End(int status = 0);
    static bool ending();
    static int exitStatus();
    static void resetEnding();  // tests
};

}  // namespace forms

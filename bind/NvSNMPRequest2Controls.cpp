#include "bind/NvSNMPRequest2Controls.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <cstring>

#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvDateTime.h"
#include "snmp/NvEventWait.h"
#include "snmp/NvSegmentedWalk.h"
#include "snmp/NvStrictValue.h"
#include "snmp/NvValueText.h"

int NvSNMPRequest2Controls::s_handlerDepth = 0;

std::function<QTime()> NvSNMPRequest2Controls::clock = [] { return QTime::currentTime(); };

namespace {

constexpr const char* kNull = kNullValueText;

std::string le32(uint32_t v)
{
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

uint32_t readLe32(const std::string& o, size_t at = 0)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(o[at + static_cast<size_t>(i)]);
    return v;
}

// Dotted decimal parts ("10.0", ".1.3.6"), each at most limit; a part that
// does not read fails the value.
std::vector<uint32_t> dottedParts(const std::string& text, uint32_t limit)
{
    const auto parts = readDottedNumbers(text[0] == '.' ? std::string_view(text).substr(1) : text, limit);
    if (!parts)
        throw errorOfCode(ErrBadPartialValue);
    return *parts;
}

[[noreturn]] void raise(int code)
{
    throw errorOfCode(code);
}

}  // namespace

NvSNMPRequest2Controls::NvSNMPRequest2Controls(QWidget* ownerForm)
    : owner(ownerForm)
{
}

NvSNMPRequest2Controls::~NvSNMPRequest2Controls()
{
    // Replies delivered while the request winds down must not reach this
    // half-destroyed object.
    m_life.reset();
    busy = false;
}

void NvSNMPRequest2Controls::setStatusTarget(QPlainTextEdit* memo)
{
    m_memo = memo;
    m_statusBar = nullptr;
    m_statusPanel = nullptr;
}

void NvSNMPRequest2Controls::setStatusTarget(QStatusBar* statusBar)
{
    m_memo = nullptr;
    m_statusBar = statusBar;
    m_statusPanel = nullptr;
}

void NvSNMPRequest2Controls::setStatusTarget(QLabel* statusPanel)
{
    m_memo = nullptr;
    m_statusBar = nullptr;
    m_statusPanel = statusPanel;
}

bool NvSNMPRequest2Controls::hasStatusTarget() const
{
    return m_memo || m_statusBar || m_statusPanel;
}

std::string NvSNMPRequest2Controls::statusLine(const std::string& message) const
{
    std::string line = catalogueText(NvCatalogueKind::Messages, lastOperation == SetOperation ? 1 : 0);
    if (request.varList.name.empty()) {
        const size_t error = line.find("[ERROR]");
        const size_t list = line.find("[VARLIST]");
        if (error != std::string::npos && list != std::string::npos && list > error) {
            const size_t from = error + std::strlen("[ERROR]");
            line.erase(from, list + std::strlen("[VARLIST]") - from);
        }
    } else {
        line = replaceAll(line, "[VARLIST]", request.varList.name);
    }
    line = replaceAll(line, "[ERROR]", message);
    const QTime now = clock ? clock() : QTime::currentTime();
    int hour = now.hour() % 12;
    if (hour == 0)
        hour = 12;
    const QLocale locale;
    const QString designator = now.hour() < 12 ? locale.amText() : locale.pmText();
    const QString time = QStringLiteral("%1:%2:%3 %4")
                             .arg(hour, 2, 10, QLatin1Char('0'))
                             .arg(now.minute(), 2, 10, QLatin1Char('0'))
                             .arg(now.second(), 2, 10, QLatin1Char('0'))
                             .arg(designator);
    return replaceAll(line, "[TIME]", time.toStdString());
}

void NvSNMPRequest2Controls::showStatus(const std::string& message)
{
    if (!hasStatusTarget())
        return;
    const QString line = QString::fromStdString(statusLine(message));
    if (m_memo)
        m_memo->appendPlainText(line);
    else if (m_statusBar)
        m_statusBar->showMessage(line);
    else if (m_statusPanel)
        m_statusPanel->setText(line);
}

void NvSNMPRequest2Controls::reportFailure(const std::string& message)
{
    if (hasStatusTarget()) {
        showStatus(message);
        return;
    }
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString text = QString::fromStdString(message);
    if (s_handlerDepth == 0) {
        QMessageBox::warning(owner, caption, text, QMessageBox::Ok);
        return;
    }
    // Inside a reply handler a modal box would hold the event pump's tick, and
    // with it every other reply (LED polls), until it is closed: it opens once
    // the tick has returned.
    QTimer::singleShot(0, QCoreApplication::instance(), [box = owner, caption, text] {
        QMessageBox::warning(box, caption, text, QMessageBox::Ok);
    });
}

void NvSNMPRequest2Controls::getFailed(const NvSNMPError& reply)
{
    lastOperation = GetOperation;
    reportFailure(reply.message);
}

void NvSNMPRequest2Controls::setFailed(const NvSNMPError& reply)
{
    lastOperation = SetOperation;
    reportFailure(reply.message);
}

std::function<void(const NvSNMPError&)> NvSNMPRequest2Controls::asReply(
    void (NvSNMPRequest2Controls::*work)(const NvSNMPError&))
{
    std::weak_ptr<int> life = m_life;
    return [this, life, work](const NvSNMPError& reply) {
        if (life.expired())
            return;
        ++m_handlerDepth;
        ++s_handlerDepth;
        (this->*work)(reply);
        --s_handlerDepth;
        if (!life.expired())
            handlerDone();
    };
}

NvSNMPReplyHandler NvSNMPRequest2Controls::getHandler()
{
    return [reply = asReply(&NvSNMPRequest2Controls::getReply)](NvSNMPRequest&, const NvSNMPError& e) { reply(e); };
}

NvSNMPReplyHandler NvSNMPRequest2Controls::setHandler()
{
    return [reply = asReply(&NvSNMPRequest2Controls::setReply)](NvSNMPRequest&, const NvSNMPError& e) { reply(e); };
}

void NvSNMPRequest2Controls::get()
{
    waitForRunningOperation();
    lastOperation = GetOperation;
    beforeGet();
    rowCount = 0;
    busy = true;
    if (!asynchronous) {
        clearBusyOnThrow([this] {
            const bool table = request.varList.isTable();
            // A scalar or single instance has its one row; a walk has a row
            // for every step that says more may follow.
            for (bool more = request.getSync(true); !table || more; more = request.getSync(false)) {
                if (request.matchesCondition("")) {
                    rowReceived();
                    ++rowCount;
                }
                if (!table)
                    break;
            }
            afterGet();
        });
        busy = false;
        if (hasStatusTarget())
            showStatus(textOfCode(0));
        return;
    }
    if (!request.alive) {
        busy = false;
        return;
    }
    clearBusyOnThrow([this] { request.getAsync(getHandler(), true); });
}

void NvSNMPRequest2Controls::getRanges(const std::vector<uint32_t>& bounds)
{
    waitForRunningOperation();
    lastOperation = GetOperation;
    if (!request.alive)
        return;
    busy = true;
    clearBusyOnThrow([this, &bounds] {
        m_rangeWalk = std::make_unique<NvSegmentedWalk>(request.varList);
        m_rangeWalk->start(bounds, asReply(&NvSNMPRequest2Controls::takeRanges));
    });
}

void NvSNMPRequest2Controls::takeRanges(const NvSNMPError& outcome)
{
    beforeGet();
    rowCount = 0;
    try {
        for (const NvSegmentedWalk::Values& values : m_rangeWalk->rows()) {
            for (int r = 0; r < request.varList.count() && r < static_cast<int>(values.size()); ++r)
                request.varList.row(r).value = values[static_cast<size_t>(r)];
            if (request.matchesCondition("")) {
                rowReceived();
                ++rowCount;
            }
        }
    } catch (const std::exception& x) {
        busy = false;
        lastOperation = GetOperation;
        reportFailure(x.what());
        return;
    }
    getReply(outcome);
}

void NvSNMPRequest2Controls::getReply(const NvSNMPError& reply)
{
    if (reply.code != 0) {
        busy = false;
        getFailed(reply);
        if (onGetDone)
            onGetDone(*this, reply);
        return;
    }
    try {
        if (!request.varList.isTable()) {
            if (request.matchesCondition("")) {
                rowReceived();
                ++rowCount;
            }
            finishGet(reply);
            return;
        }
        if (reply.finished) {
            finishGet(reply);
            return;
        }
        if (request.matchesCondition("")) {
            rowReceived();
            ++rowCount;
        }
        if (request.alive) {
            request.getAsync(getHandler(), false);
            return;
        }
        finishGet(reply);
    } catch (const std::exception& x) {
        busy = false;
        lastOperation = GetOperation;
        reportFailure(x.what());
    }
}

void NvSNMPRequest2Controls::finishGet(const NvSNMPError& reply)
{
    afterGet();
    busy = false;
    if (hasStatusTarget()) {
        lastOperation = GetOperation;
        showStatus(textOfCode(0));
        if (onGetDone)
            onGetDone(*this, reply);
    }
}

void NvSNMPRequest2Controls::set(bool rereadAfter, bool collectFirst, const std::string&, void*)
{
    waitForRunningOperation();
    lastOperation = SetOperation;
    rereadAfterSet = rereadAfter;
    beforeSet();
    if (collectFirst)
        collectValues();
    busy = true;
    if (!asynchronous) {
        clearBusyOnThrow([this] {
            request.setSync();
            afterSet();
        });
        busy = false;
        if (hasStatusTarget())
            showStatus(textOfCode(0));
        if (request.varList.isTable() && rereadAfterSet)
            get();
        return;
    }
    if (!request.alive) {
        busy = false;
        return;
    }
    clearBusyOnThrow([this] { request.setAsync(setHandler()); });
}

void NvSNMPRequest2Controls::setReply(const NvSNMPError& reply)
{
    if (reply.code != 0) {
        busy = false;
        setFailed(reply);
        if (onSetDone)
            onSetDone(*this, reply);
        return;
    }
    try {
        afterSet();
        busy = false;
        lastOperation = SetOperation;
        if (hasStatusTarget())
            showStatus(textOfCode(0));
        if (onSetDone)
            onSetDone(*this, reply);
        if (request.varList.isTable() && rereadAfterSet)
            get();
    } catch (const std::exception& x) {
        // Nothing above the event pump could report it.
        busy = false;
        reportFailure(x.what());
    }
}

namespace {

// Bindings closed while they could not be waited for. Never destroyed itself,
// so that nothing in it is freed after the application object has gone.
std::vector<std::unique_ptr<NvSNMPRequest2Controls>>& closingList()
{
    static auto* list = new std::vector<std::unique_ptr<NvSNMPRequest2Controls>>;
    return *list;
}

}  // namespace

void NvSNMPRequest2Controls::handlerDone()
{
    --m_handlerDepth;
    if (!m_closing || busy || m_handlerDepth > 0)
        return;
    m_closing = false;
    // Outside the event pump, so that the request is no longer in a reply.
    QTimer::singleShot(0, QCoreApplication::instance(), [this] {
        auto& list = closingList();
        std::erase_if(list, [this](const auto& held) { return held.get() == this; });
    });
}

void NvSNMPRequest2Controls::shutDown()
{
    request.alive = false;
    if (m_rangeWalk)
        m_rangeWalk->stop();
}

void NvSNMPRequest2Controls::closeBinding(std::unique_ptr<NvSNMPRequest2Controls> binding)
{
    if (!binding)
        return;
    binding->shutDown();
    // Inside a reply handler no further reply is delivered until it returns,
    // so waiting here would never end.
    if (binding->m_handlerDepth > 0 || (s_handlerDepth > 0 && binding->busy)) {
        binding->onGetDone = nullptr;
        binding->onSetDone = nullptr;
        binding->m_closing = true;
        closingList().push_back(std::move(binding));
        return;
    }
    waitUntilIdle(binding->busy);
}

void NvSNMPRequest2Controls::waitForRunningOperation()
{
    // Both operations work on the one request's variables: a Set clicked while
    // the re-read still walks the table would otherwise overwrite the walk's
    // identifiers with the values to send, and two walks would share one
    // position. Inside a reply handler no reply arrives until it returns, so
    // there the operation starts at once as before.
    if (asynchronous && busy && s_handlerDepth == 0)
        waitUntilIdle(busy);
}

void NvSNMPRequest2Controls::clearBusyOnThrow(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        busy = false;
        throw;
    }
}

// ---------------------------------------------------------------------------
// Value codec

std::string NvSNMPRequest2Controls::textToOctets(const std::string& text, NvSyntax syntax)
{
    // The text is a row's value: what the agent sent, or typed text that the
    // strict reading has already accepted. An empty value has no octets.
    if (text == kNull || text.empty())
        return {};
    switch (syntax) {
    case SyntaxBoolean:
        return le32(text == "true" ? 1u : 0u);
    case SyntaxInteger:
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger: {
        const std::optional<int64_t> value = readWholeNumber(text);
        if (!value || *value < INT32_MIN || *value > UINT32_MAX)
            raise(ErrBadPartialValue);
        return le32(static_cast<uint32_t>(*value));
    }
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxMacAddress:
    case SyntaxAddress16:
        return hexToOctets(text);
    case SyntaxNull:
        return {};
    case SyntaxOid: {
        std::string out;
        for (uint32_t part : dottedParts(text, UINT32_MAX))
            out += le32(part);
        return out;
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress: {
        std::string out;
        for (uint32_t part : dottedParts(text, 255))
            out.push_back(static_cast<char>(part));
        return out;
    }
    case SyntaxTimeTicks:
        return le32(textToTimeTicks(text));
    case SyntaxCounter64: {
        // Read as a whole number: through a double, values above 2^53 lost digits.
        const std::optional<uint64_t> value = readUnsignedNumber(text);
        if (!value)
            raise(ErrBadPartialValue);
        const uint64_t counter = *value;
        return le32(static_cast<uint32_t>(counter & 0xFFFFFFFFu)) + le32(static_cast<uint32_t>(counter >> 32));
    }
    case SyntaxReal:
        return doubleToOctets(textToReal(text));
    case SyntaxDateAndTime:
        return NvDateTime(text).toOctets();
    case SyntaxCalendarTime: {
        const std::optional<double> days = textToCalendarTime(text);
        return doubleToOctets(days.value_or(0.0));
    }
    case SyntaxDisplayString:
        return text;
    default:
        raise(ErrBadSyntax);
    }
}

std::string NvSNMPRequest2Controls::octetsToText(const std::string& octets, NvSyntax syntax)
{
    size_t minimum = 0;
    switch (syntax) {
    case SyntaxBoolean: case SyntaxInteger: case SyntaxIpAddress: case SyntaxNsapAddress: case SyntaxCounter: case SyntaxGauge: case SyntaxUInteger: case SyntaxTimeTicks:
        minimum = 4;
        break;
    case SyntaxBits: case SyntaxOctets: case SyntaxOpaque: case SyntaxOid: case SyntaxDisplayString:
        minimum = 1;
        break;
    case SyntaxNull:
        return kNull;
    case SyntaxCounter64: case SyntaxReal: case SyntaxCalendarTime:
        minimum = 8;
        break;
    case SyntaxMacAddress:
        minimum = 6;
        break;
    case SyntaxDateAndTime:
        minimum = 11;
        break;
    case SyntaxAddress16:
        minimum = 16;
        break;
    default:
        raise(ErrBadSyntax);
    }
    if (octets.empty())
        return syntax == SyntaxDisplayString ? std::string() : std::string(kNull);
    if (octets.size() < minimum)
        raise(ErrBadPartialValue);
    switch (syntax) {
    case SyntaxBoolean:
        return readLe32(octets) != 0 ? "true" : "false";
    case SyntaxInteger:
        return std::to_string(static_cast<int32_t>(readLe32(octets)));
    case SyntaxCounter: case SyntaxGauge: case SyntaxUInteger:
        return std::to_string(readLe32(octets));
    case SyntaxBits: case SyntaxOctets: case SyntaxOpaque: case SyntaxMacAddress: case SyntaxAddress16:
        return octetsToHex(octets);
    case SyntaxOid: {
        std::string out;
        for (size_t at = 0; at < octets.size(); at += 4) {
            uint32_t v = 0;
            // A trailing incomplete sub-identifier reads its octets little-endian.
            for (size_t i = std::min(octets.size(), at + 4); i > at; --i)
                v = (v << 8) | static_cast<uint8_t>(octets[i - 1]);
            if (!out.empty())
                out += '.';
            out += std::to_string(v);
        }
        return out;
    }
    case SyntaxIpAddress: case SyntaxNsapAddress:
        return std::to_string(static_cast<uint8_t>(octets[0])) + '.' + std::to_string(static_cast<uint8_t>(octets[1]))
               + '.' + std::to_string(static_cast<uint8_t>(octets[2])) + '.'
               + std::to_string(static_cast<uint8_t>(octets[3]));
    case SyntaxTimeTicks:
        return timeTicksToText(readLe32(octets));
    case SyntaxCounter64: {
        const uint64_t counter = static_cast<uint64_t>(readLe32(octets)) | (static_cast<uint64_t>(readLe32(octets, 4)) << 32);
        return std::to_string(counter);
    }
    case SyntaxReal:
        return realToText(*octetsToDouble(octets));
    case SyntaxDateAndTime:
        return NvDateTime::fromOctets(octets).toText();
    case SyntaxCalendarTime:
        return calendarTimeToText(*octetsToDouble(octets));
    case SyntaxDisplayString:
        return displayStringOfOctets(octets);
    default:
        raise(ErrBadSyntax);
    }
}

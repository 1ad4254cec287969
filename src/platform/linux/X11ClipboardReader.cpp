#include "platform/linux/X11ClipboardReader.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>

namespace zarvo::linux_::X11ClipboardReader {

namespace {

using Outcome = Result::Outcome;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> owned(T* reply) {
    return Reply<T>(reply, &std::free);
}

class Session {
public:
    Session(const Limits& limits, const std::function<bool()>& cancelled)
        : m_limits(limits), m_cancelled(cancelled) {
        m_clock.start();
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection)) return;
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
        if (!screen) return;
        m_window = xcb_generate_id(m_connection);
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, XCB_CW_EVENT_MASK, &events);
        m_clipboard = atom("CLIPBOARD");
        m_targets = atom("TARGETS");
        m_incr = atom("INCR");
        m_property = atom("ZARVO_CLIPBOARD_READ");
        m_ok = m_clipboard && m_targets && m_incr && m_property;
    }
    ~Session() { xcb_disconnect(m_connection); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool ok() const { return m_ok; }

    xcb_atom_t atom(const char* name) {
        auto reply = owned(xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name), nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    QStringList names(const QList<xcb_atom_t>& atoms) {
        QList<xcb_get_atom_name_cookie_t> cookies;
        for (xcb_atom_t a : atoms)
            cookies << xcb_get_atom_name(m_connection, a);
        QStringList out;
        for (const auto& cookie : cookies) {
            auto reply = owned(xcb_get_atom_name_reply(m_connection, cookie, nullptr));
            if (reply)
                out << QString::fromUtf8(xcb_get_atom_name_name(reply.get()),
                                         xcb_get_atom_name_name_length(reply.get()));
            else
                out << QString();
        }
        return out;
    }

    // Asks the owner to put `target` into our property. Read, NoOwner (refused), or a failure.
    Outcome convert(xcb_atom_t target) {
        xcb_delete_property(m_connection, m_window, m_property);
        xcb_convert_selection(m_connection, m_window, m_clipboard, target, m_property, XCB_CURRENT_TIME);
        xcb_flush(m_connection);
        for (;;) {
            xcb_generic_event_t* event = nullptr;
            const Outcome waited = next(&event);
            if (waited != Outcome::Read) return waited;
            const auto guard = owned(event);
            if ((event->response_type & 0x7f) != XCB_SELECTION_NOTIFY) continue;
            const auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(event);
            if (notify->requestor != m_window || notify->selection != m_clipboard) continue;
            return notify->property == XCB_ATOM_NONE ? Outcome::NoOwner : Outcome::Read;
        }
    }

    // Takes the converted value from our property, following the INCR protocol for large values.
    Outcome take(qint64 maximum, qint64* total, QByteArray* out, xcb_atom_t* type) {
        auto head = owned(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0),
            nullptr));
        if (!head) return Outcome::Failed;
        *type = head->type;
        if (head->type != m_incr) {
            const qint64 size = head->bytes_after;
            if (size > maximum || *total + size > m_limits.total) return Outcome::TooLarge;
            if (!chunk(out)) return Outcome::Failed;
            *total += out->size();
            return Outcome::Read;
        }
        // Incremental: the owner writes one chunk after each delete, a zero-length one at the end.
        // Its value is the owner's lower bound of the size: refused at once when that is too much.
        QByteArray estimate;
        if (!chunk(&estimate)) return Outcome::Failed;
        if (estimate.size() >= 4) {
            quint32 bound = 0;
            memcpy(&bound, estimate.constData(), sizeof bound);
            if (qint64(bound) > maximum || *total + qint64(bound) > m_limits.total) return Outcome::TooLarge;
            out->reserve(qsizetype(bound));
        }
        for (;;) {
            xcb_generic_event_t* event = nullptr;
            const Outcome waited = next(&event);
            if (waited != Outcome::Read) return waited;
            const auto guard = owned(event);
            if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) continue;
            const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
            if (notify->window != m_window || notify->atom != m_property ||
                notify->state != XCB_PROPERTY_NEW_VALUE)
                continue;
            QByteArray piece;
            xcb_atom_t pieceType = XCB_ATOM_NONE;
            if (!chunk(&piece, &pieceType)) return Outcome::Failed;
            if (piece.isEmpty()) return Outcome::Read;
            *type = pieceType;
            out->append(piece);
            *total += piece.size();
            if (out->size() > maximum || *total > m_limits.total) return Outcome::TooLarge;
        }
    }

private:
    // Reads and deletes our property whole (its size was checked by the caller or is one INCR chunk).
    bool chunk(QByteArray* out, xcb_atom_t* type = nullptr) {
        auto reply = owned(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 1, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                             uint32_t(std::min<qint64>(m_limits.total / 4 + 1, UINT32_MAX / 4))),
            nullptr));
        if (!reply) return false;
        if (type) *type = reply->type;
        const int length = xcb_get_property_value_length(reply.get());
        *out = QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
        xcb_flush(m_connection);
        return true;
    }

    // The next event, waiting no longer than the deadline and giving up when cancelled.
    Outcome next(xcb_generic_event_t** event) {
        for (;;) {
            if (m_cancelled && m_cancelled()) return Outcome::Cancelled;
            if ((*event = xcb_poll_for_event(m_connection))) return Outcome::Read;
            if (xcb_connection_has_error(m_connection)) return Outcome::Failed;
            const qint64 left = m_limits.deadlineMs - m_clock.elapsed();
            if (left <= 0) return Outcome::TimedOut;
            pollfd wait{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            ::poll(&wait, 1, int(std::min<qint64>(left, 50)));
        }
    }

    Limits m_limits;
    std::function<bool()> m_cancelled;
    QElapsedTimer m_clock;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_window = 0;
    xcb_atom_t m_clipboard = 0, m_targets = 0, m_incr = 0, m_property = 0;
    bool m_ok = false;

public:
    xcb_atom_t targetsAtom() const { return m_targets; }
};

} // namespace

Result read(const std::function<QList<Wanted>(const QStringList& targets)>& wanted, const Limits& limits,
            const std::function<bool()>& cancelled) {
    Result result;
    Session session(limits, cancelled);
    if (!session.ok()) return result;

    Outcome outcome = session.convert(session.targetsAtom());
    if (outcome != Outcome::Read) {
        result.outcome = outcome;
        return result;
    }
    QByteArray list;
    xcb_atom_t type = XCB_ATOM_NONE;
    qint64 total = 0;
    // The target list itself is small; a list that is not is an owner to ignore.
    outcome = session.take(64 * 1024, &total, &list, &type);
    if (outcome != Outcome::Read) {
        result.outcome = outcome;
        return result;
    }
    QList<xcb_atom_t> atoms;
    for (qsizetype at = 0; at + qsizetype(sizeof(xcb_atom_t)) <= list.size(); at += sizeof(xcb_atom_t)) {
        xcb_atom_t one;
        memcpy(&one, list.constData() + at, sizeof one);
        if (one != XCB_ATOM_NONE && !atoms.contains(one)) atoms << one;
    }
    result.targets = session.names(atoms);
    total = 0;
    for (const Wanted& want : wanted(result.targets)) {
        const qsizetype index = result.targets.indexOf(QString::fromUtf8(want.target));
        if (index < 0) continue;
        outcome = session.convert(atoms[index]);
        if (outcome == Outcome::NoOwner) continue; // this one target refused; the others may come
        if (outcome != Outcome::Read) {
            result.outcome = outcome;
            return result;
        }
        QByteArray bytes;
        const qint64 maximum = want.maximum > 0 ? std::min(want.maximum, limits.perTarget) : limits.perTarget;
        outcome = session.take(maximum, &total, &bytes, &type);
        if (outcome != Outcome::Read) {
            result.outcome = outcome;
            return result;
        }
        result.data.insert(want.target, bytes);
    }
    result.outcome = Outcome::Read;
    return result;
}

} // namespace zarvo::linux_::X11ClipboardReader

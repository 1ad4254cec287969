#pragma once

// GIO names a struct member `signals`, which Qt defines as a keyword macro.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <memory>

namespace zarvo::linux_ {

// Owning handles for GLib objects and strings.
struct GObjectDeleter {
    void operator()(gpointer object) const {
        if (object) g_object_unref(object);
    }
};
template <typename T> using GRef = std::unique_ptr<T, GObjectDeleter>;

struct GFreeDeleter {
    void operator()(gpointer p) const { g_free(p); }
};
using GString_ = std::unique_ptr<char, GFreeDeleter>;

struct GErrorDeleter {
    void operator()(GError* e) const {
        if (e) g_error_free(e);
    }
};

// Frees a GError when it leaves scope; `out()` hands its address to a GIO call.
class GErrorHolder {
public:
    ~GErrorHolder() {
        if (m_error) g_error_free(m_error);
    }
    GError** out() { return &m_error; }
    explicit operator bool() const { return m_error != nullptr; }
    QString message() const { return m_error ? QString::fromUtf8(m_error->message) : QString(); }
    const GError* get() const { return m_error; }

private:
    GError* m_error = nullptr;
};

} // namespace zarvo::linux_

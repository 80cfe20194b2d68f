#pragma once

#include "firebird/IBError.h"

#include <firebird/Interface.h>

#include <memory>
#include <utility>

// The few pieces every class of the client layer shares: the master interface, and a
// way to call the library that turns its failures into IBError.
namespace brovik::data::fb {

Firebird::IMaster* master();
Firebird::IUtil* util();

IBError toError(Firebird::IStatus* status);

// Runs f(ThrowStatusWrapper*) and raises IBError with the library's text on failure.
template <class F>
auto call(F&& f) {
    struct Owned {
        Firebird::IStatus* s = master()->getStatus();
        ~Owned() { s->dispose(); }
    } owned;
    Firebird::ThrowStatusWrapper status(owned.s);
    try {
        return std::forward<F>(f)(&status);
    } catch (const Firebird::FbException& e) {
        throw toError(e.getStatus());
    }
}

// An interface pointer released when it goes out of scope.
template <class T>
struct Releaser {
    void operator()(T* p) const {
        if constexpr (requires { p->release(); }) p->release();
        else p->dispose();
    }
};
template <class T>
using Ref = std::unique_ptr<T, Releaser<T>>;

}  // namespace brovik::data::fb

#pragma once

#include <QObject>

#include <exception>
#include <functional>

// Qt's libraries are built without cleanup for errors that pass through their frames, so an error
// raised by a handler that Qt calls (a click, a menu command, a change, a timer, a paint) must not
// leave the handler. runHandler keeps it on the HandlerApplication instead, and whoever delivered
// the event reports it once Qt has returned: the application after each event, a test after its
// action.
void runHandler(const std::function<void()> &handler);

// Throws the error a handler kept since the last call, if any. Only the first error of an event is
// kept: it is the one the user would have seen had it stopped the event.
void rethrowHandlerError();

// A handler of receiver that takes no arguments, as a call that runs it through runHandler.
template <typename Receiver> auto handlerCall(Receiver *receiver, void (Receiver::*handler)())
{
    return [receiver, handler] { runHandler([&] { (receiver->*handler)(); }); };
}

// Connects a signal to a handler of receiver that takes no arguments, run through runHandler.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection connectHandler(const Sender *sender, Signal signal, Receiver *receiver,
                                       void (Receiver::*handler)())
{
    return QObject::connect(sender, signal, receiver, handlerCall(receiver, handler));
}

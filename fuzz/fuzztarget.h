#pragma once

// A fuzz target feeds one input to one of the program's readers, through the function the
// program itself calls, and checks what comes back. The same targets run under libFuzzer
// (one program per target) and in the test suite's replay of every kept input.

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace kelvane::fuzz {

using Run = void (*)(QByteArrayView input);

struct Target {
    const char* name;
    Run run;
};

// Every target linked into this program, in link order.
QList<Target>& targets();

struct Registration {
    Registration(const char* name, Run run) { targets().append({name, run}); }
};

// Points HOME and the XDG folders at a private temporary folder (in memory where there is
// one), so that no reader touches the user's files.
void isolate();

// An empty folder of its own for this input, never the same path twice (readers may cache
// what they read by path); the previous input's is gone.
QString freshFolder();
// A folder of the run's own that stays from one input to the next.
QString lastingFolder(const QString& name);
// input written whole to name in freshFolder(); its path.
QString writeInput(const QString& name, QByteArrayView input);

// C0, DEL or C1: what no address may hold.
bool hasControlCharacter(QStringView text);
// text with every character outside printable ASCII as \uXXXX, for messages.
QString escaped(QStringView text);

// Stops the process with the message when holds is false: the input is then a finding.
void check(bool holds, const char* target, const QString& what);

} // namespace kelvane::fuzz

#define KELVANE_FUZZ_TARGET(name)                                                                  \
    static void name##Run(QByteArrayView input);                                                   \
    static const kelvane::fuzz::Registration name##Registration(#name, name##Run);                 \
    static void name##Run(QByteArrayView input)

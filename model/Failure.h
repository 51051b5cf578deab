#pragma once

// Every malformed value in a record or a file is reported the same way: an
// exception whose value is the integer 0 and which carries no text. Commands
// catch everything around their work and show their own fixed message.
[[noreturn]] inline void RaiseFailure() { throw 0; }

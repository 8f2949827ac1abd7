// purgewell-host.exe: serves the Win32 backend to the Linux program over stdin and stdout,
// inside a Wine prefix. It ends when its input closes.
#include "host/hostmain.h"

int main()
{
    return pw::RunHost();
}

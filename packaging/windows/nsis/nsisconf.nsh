; Read by makensis before the installer script (NSISCONFDIR): a 64-bit, Unicode installer,
; which 64-bit Windows and Wine run.
Target amd64-unicode

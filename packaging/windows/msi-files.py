#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists a folder's files for the Windows Installer package, as terravia.wxs expects them:
one component per file, under INSTALLDIR, in the component group Files.

    msi-files.py FOLDER >FILES.wxs

Each component's code is Windows Installer's to derive from the file's place ("*"), so the
same file keeps its code from one build and one version to the next, and an upgrade in place
keeps what it may.
"""
import os
import sys
from xml.sax.saxutils import quoteattr


def main(folder):
    lines, components, directories = [], [], []

    def directory(path, depth):
        indent = "  " * depth
        for name in sorted(os.listdir(path)):
            whole = os.path.join(path, name)
            relative = os.path.relpath(whole, folder).replace(os.sep, "/")
            if os.path.isdir(whole):
                directories.append(relative)
                lines.append('%s<Directory Id="d%d" Name=%s>' % (indent, len(directories),
                                                                 quoteattr(name)))
                directory(whole, depth + 1)
                lines.append("%s</Directory>" % indent)
                continue
            key = "f%d" % (len(components) + 1)
            components.append(key)
            lines.append('%s<Component Id="%s" Guid="*" Win64="yes">' % (indent, key))
            lines.append('%s  <File Id="%s" KeyPath="yes" Source=%s/>'
                         % (indent, key, quoteattr("$(var.Folder)/" + relative)))
            lines.append("%s</Component>" % indent)

    directory(folder, 3)
    print('<?xml version="1.0" encoding="utf-8"?>')
    print('<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">')
    print("  <Fragment>")
    print('    <DirectoryRef Id="INSTALLDIR">')
    print("\n".join(lines))
    print("    </DirectoryRef>")
    print('    <ComponentGroup Id="Files">')
    for key in components:
        print('      <ComponentRef Id="%s"/>' % key)
    print("    </ComponentGroup>")
    print("  </Fragment>")
    print("</Wix>")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: msi-files.py FOLDER >FILES.wxs")
    main(sys.argv[1])

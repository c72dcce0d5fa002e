#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Creates empty stand-ins for the files that Debian's wine source generates
at package build time (Unicode tables, NLS data, OpenGL and Vulkan headers)
and that Wine's makedep wants to see before it writes any Makefile. Only
ntdll.so is built from this tree, and it uses none of them."""
import glob
import os
import re

made = 0
for makefile in glob.glob('**/Makefile.in', recursive=True):
    folder = os.path.dirname(makefile)
    text = open(makefile).read().replace('\\\n', ' ')
    parent = re.search(r'^\s*PARENTSRC\s*=\s*(\S+)', text, re.M)
    folders = [folder] + ([os.path.join(folder, parent.group(1))] if parent else [])
    for match in re.finditer(r'^\s*(?:SOURCES|[A-Z_]*SRCS)\s*=(.*)$', text, re.M):
        for name in match.group(1).split():
            if any(os.path.exists(os.path.join(f, name)) for f in folders):
                continue
            path = os.path.join(folder, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            open(path, 'w').close()
            made += 1
for header in ('vulkan.h', 'vulkan_driver.h', 'wgl.h', 'wgl_driver.h'):
    path = os.path.join('include', 'wine', header)
    if not os.path.exists(path):
        open(path, 'w').close()
        made += 1
print(f'{made} generated files stubbed')

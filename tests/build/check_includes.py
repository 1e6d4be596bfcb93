"""Checks the include structure of the sources.

- src/: the folders are layered, from the top: frame (the COM shell),
  driverui, pages, core, and at the bottom platform, ppd, devmode and res.
  A file includes its own folder and folders below it only; nothing includes
  frame; and the folders include each other in no cycle.
- host/ and tools/marlowhost/ include nothing of src/ but src/platform/.

    python3 check_includes.py REPOSITORY
Prints what it checked and every violation; exits 1 when there is one.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = {'.h', '.cpp', '.rc'}

# Rank of each folder of src/: a file may include folders of lower rank, and
# its own folder.
RANKS = {
    'frame': 4,
    'driverui': 3,
    'pages': 2,
    'core': 1,
    'platform': 0,
    'ppd': 0,
    'devmode': 0,
    'res': 0,
}


def top_folder(path):
    return path.split('/', 1)[0]


def includes_of(root, directory):
    for path in sorted((root / directory).rglob('*')):
        if path.suffix in SOURCE_SUFFIXES and path.is_file():
            text = path.read_text(encoding='utf-8', errors='replace')
            for included in INCLUDE.findall(text):
                yield path.relative_to(root).as_posix(), included


def find_cycle(edges):
    """A list of folders that include each other in a circle, or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = 'open'
        stack.append(node)
        for target in sorted(edges.get(node, ())):
            if state.get(target) == 'open':
                return stack[stack.index(target):] + [target]
            if target not in state:
                cycle = visit(target)
                if cycle:
                    return cycle
        stack.pop()
        state[node] = 'done'
        return None

    for node in sorted(edges):
        if node not in state:
            cycle = visit(node)
            if cycle:
                return cycle
    return None


def check(root):
    problems = []
    edges = {}
    src_folders = {p.name for p in (root / 'src').iterdir() if p.is_dir()}
    for unknown in sorted(src_folders - set(RANKS)):
        problems.append(f'src/{unknown}: a folder without a place in the layers')

    for source, included in includes_of(root, 'src'):
        own = source.split('/')[1]
        target = top_folder(included)
        if target not in src_folders:
            continue  # a file beside the includer, or a generated one
        if target == 'frame' and own != 'frame':
            problems.append(f'{source}: includes the shell ({included})')
        if target != own:
            edges.setdefault(own, set()).add(target)
            if own in RANKS and target in RANKS and RANKS[target] >= RANKS[own] and RANKS[own] > 0:
                problems.append(f'{source}: {own} may not include {target} ({included})')

    cycle = find_cycle(edges)
    if cycle:
        problems.append('src/: folders include each other in a cycle: ' + ' -> '.join(cycle))

    for directory in ('host', 'tools/marlowhost'):
        for source, included in includes_of(root, directory):
            target = top_folder(included)
            if target in src_folders and target != 'platform':
                problems.append(f'{source}: includes the plug-in\'s {included}; only src/platform/ is shared')

    layers = ', '.join(f'{a} -> {", ".join(sorted(b))}' for a, b in sorted(edges.items()))
    print(f'folder includes in src/: {layers}')
    return problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else '.').resolve()
    problems = check(root)
    for problem in problems:
        print(problem)
    print(f'include check: {len(problems)} problem(s)')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())

"""Pieces the benchmark's sub-commands share: building, a private X server, /proc readings and
the result table and file."""

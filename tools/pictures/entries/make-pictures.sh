#!/usr/bin/env bash
# Photographs the security code screens and the entry screens into docs/entries/.
exec "$(dirname "$0")/../make-pictures.sh" entries

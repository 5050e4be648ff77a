#!/usr/bin/env bash
# Photographs the home screen and the fuel totals page into docs/home/.
exec "$(dirname "$0")/../make-pictures.sh" home

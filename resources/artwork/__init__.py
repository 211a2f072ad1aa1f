"""Draws the wizard's side-panel bitmaps and icon; run through ../make-artwork."""

# Resource embedding is defined here.

-- Splitsen on the school's PostgreSQL server: the tables the classroom computers share and
-- the two roles they connect as. Run once by the owner of the database splitsen:
--
--   psql -d splitsen -f /usr/share/splitsen/postgresql/splitsen.sql
--
-- then set the two passwords (nothing else is needed):
--
--   ALTER ROLE splitsen_leerling PASSWORD '...';
--   ALTER ROLE splitsen_leerkracht PASSWORD '...';
--
-- Running it again changes nothing that is already there.

\set ON_ERROR_STOP on
BEGIN;

-- The version of these tables (one row). The program reads it on connecting and keeps
-- recording on the computer itself when it does not know the version.
--   1: answers, class list, practice state
--   2: the practice rows carry when they were changed, so that the newest one wins
CREATE TABLE IF NOT EXISTS schema_version (
  version int NOT NULL
);
INSERT INTO schema_version (version)
  SELECT 1 WHERE NOT EXISTS (SELECT 1 FROM schema_version);

-- Every judged answer of every computer; id is made by the computer, so sending the same
-- answer twice stores it once. The computers add with INSERT ... ON CONFLICT DO NOTHING
-- and no conflict column (naming one would need SELECT on it), so id stays the table's
-- only unique key.
CREATE TABLE IF NOT EXISTS answers (
  id        uuid PRIMARY KEY,
  computer  uuid NOT NULL,
  tijd      timestamptz NOT NULL,
  kind      text NOT NULL DEFAULT '',
  oefening  text NOT NULL,
  getal     int NOT NULL,
  deel      int,
  antwoord  text,
  goed      boolean,
  ms        int
);
CREATE INDEX IF NOT EXISTS answers_kind_tijd ON answers (kind, tijd);

-- The class list: the same children on every computer.
CREATE TABLE IF NOT EXISTS class_list (
  name     text PRIMARY KEY CHECK (length(name) BETWEEN 1 AND 40),
  picture  text NOT NULL
);
CREATE UNIQUE INDEX IF NOT EXISTS class_list_name_ci ON class_list (lower(name));

-- What the adaptive practice keeps: the ability of each child, the difficulty of each
-- question, and each child's box and next review day per split.
CREATE TABLE IF NOT EXISTS practice_child (
  child    text PRIMARY KEY,
  ability  double precision NOT NULL,
  answers  int NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS practice_item (
  item        text PRIMARY KEY,
  difficulty  double precision NOT NULL,
  answers     int NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS practice_split (
  child    text NOT NULL,
  whole    int NOT NULL,
  smaller  int NOT NULL,
  box      int NOT NULL,
  due_day  date,
  tries    text NOT NULL DEFAULT '',
  PRIMARY KEY (child, whole, smaller)
);

-- 2: when each practice row was last changed, in ms since 1970 (UTC) on the computer that
-- changed it. A computer's row replaces the server's only when it is at least as new.
ALTER TABLE practice_child ADD COLUMN IF NOT EXISTS changed bigint NOT NULL DEFAULT 0;
ALTER TABLE practice_item ADD COLUMN IF NOT EXISTS changed bigint NOT NULL DEFAULT 0;
ALTER TABLE practice_split ADD COLUMN IF NOT EXISTS changed bigint NOT NULL DEFAULT 0;
UPDATE schema_version SET version = 2 WHERE version < 2;

-- The two roles: they log in with a password that the administrator sets.
DO $$
BEGIN
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'splitsen_leerling') THEN
    CREATE ROLE splitsen_leerling LOGIN;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'splitsen_leerkracht') THEN
    CREATE ROLE splitsen_leerkracht LOGIN;
  END IF;
END
$$;
ALTER ROLE splitsen_leerling LOGIN;
ALTER ROLE splitsen_leerkracht LOGIN;

DO $$
BEGIN
  EXECUTE format('GRANT CONNECT ON DATABASE %I TO splitsen_leerling, splitsen_leerkracht',
                 current_database());
END
$$;
GRANT USAGE ON SCHEMA public TO splitsen_leerling, splitsen_leerkracht;

-- Nothing more than what is granted here.
REVOKE ALL ON schema_version, answers, class_list, practice_child, practice_item,
  practice_split FROM PUBLIC;

-- The classroom computers: add answers without reading them, read the class list, read
-- and write the practice state.
GRANT SELECT ON schema_version TO splitsen_leerling;
GRANT INSERT ON answers TO splitsen_leerling;
GRANT SELECT ON class_list TO splitsen_leerling;
GRANT SELECT, INSERT, UPDATE, DELETE ON practice_child, practice_item, practice_split
  TO splitsen_leerling;

-- The teacher: reads everything, keeps the class list, renames and wipes a child.
GRANT SELECT ON schema_version TO splitsen_leerkracht;
GRANT SELECT, DELETE ON answers TO splitsen_leerkracht;
GRANT UPDATE (kind) ON answers TO splitsen_leerkracht;
GRANT SELECT, INSERT, UPDATE, DELETE ON class_list TO splitsen_leerkracht;
GRANT SELECT, INSERT, UPDATE, DELETE ON practice_child, practice_item, practice_split
  TO splitsen_leerkracht;

COMMIT;
